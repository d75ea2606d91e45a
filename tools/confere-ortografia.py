#!/usr/bin/env python3
"""Spelling of every text a player reads (questions, sticker cards, help pages) with hunspell
pt_BR. Words hunspell does not know must be proper names listed in tools/nomes-proprios.txt;
the check prints the names it met and fails on any other unknown word.

Usage: confere-ortografia.py CONTENT_DIR NAMES_FILE
"""
import glob
import os
import re
import subprocess
import sys


def textos(pasta):
    with open(os.path.join(pasta, "perguntas.tsv"), encoding="utf-8") as f:
        for linha in f.read().split("\n")[1:]:
            yield from linha.split("\t")[3:8]
    with open(os.path.join(pasta, "figurinhas.tsv"), encoding="utf-8") as f:
        for linha in f.read().split("\n")[1:]:
            yield from linha.split("\t")[3:6]
    for pagina in sorted(glob.glob(os.path.join(pasta, "ajuda", "*.txt"))):
        with open(pagina, encoding="utf-8") as f:
            for linha in f:
                if linha.startswith("#") or linha.startswith("Figura:"):
                    continue
                yield linha.replace("Título:", "").replace("**", "")


def main():
    pasta, lista = sys.argv[1:3]
    with open(lista, encoding="utf-8") as f:
        nomes = {l.strip() for l in f if l.strip() and not l.startswith("#")}
    texto = "\n".join(textos(pasta))
    # Scores, minutes and codes are not words.
    texto = re.sub(r"[\w']*\d[\w'ºª]*", " ", texto)
    saida = subprocess.run(["hunspell", "-d", "pt_BR", "-l"], input=texto, capture_output=True,
                           text=True, check=True).stdout
    desconhecidas = sorted(set(saida.split()))
    proprios = [p for p in desconhecidas if p in nomes]
    erros = [p for p in desconhecidas if p not in nomes]
    print(f"nomes próprios fora do dicionário ({len(proprios)}): {' '.join(proprios)}")
    for e in erros:
        print("PALAVRA DESCONHECIDA", e)
    print("ok" if not erros else f"{len(erros)} palavras desconhecidas")
    return 1 if erros else 0


if __name__ == "__main__":
    sys.exit(main())
