#!/usr/bin/env python3
"""Traceability of the content: every question and sticker legend names the section of the
fact base it comes from (column `fonte`).

Usage: confere-fontes.py copa2022.md perguntas.tsv figurinhas.tsv
Fails when a row names no section, a section the fact base lacks, a section of notes about the
sources (7 and 8), or when its right answer only appears in the section on UNVERIFIED lines.
Prints the rows per section.
"""
import re
import sys
import unicodedata
from collections import Counter

TITULO = re.compile(r"^#{2,3}\s+(\d+(?:\.\d+)?)\.?\s")
NAO_CITAVEIS = {"7", "8"}


def normaliza(texto):
    t = unicodedata.normalize("NFKD", texto)
    t = "".join(c for c in t if not unicodedata.combining(c)).lower()
    t = t.replace("–", " x ").replace("holanda", "paises baixos")
    return re.sub(r"\s+", " ", re.sub(r"\s*x\s*", " x ", t))


def secoes(caminho):
    atual, texto = None, {}
    with open(caminho, encoding="utf-8") as f:
        for linha in f:
            m = TITULO.match(linha)
            if m:
                atual = m.group(1)
                texto[atual] = []
            elif atual:
                texto[atual].append(linha)
    return texto


def trechos(linha):
    """Claims of a fact-base line, each marked verified or not. A table row whose sources cell
    says UNVERIFIED is unverified as a whole; otherwise each sentence stands on its own."""
    celulas = [c.strip() for c in linha.strip().strip("|").split("|")]
    if len(celulas) > 1 and "UNVERIFIED" in celulas[-1]:
        return [(normaliza(linha), False)]
    saida = []
    for c in celulas:
        for frase in re.split(r"(?<=[.;])\s+", c):
            saida.append((normaliza(frase), "UNVERIFIED" not in frase))
    return saida


def le_tsv(caminho):
    with open(caminho, encoding="utf-8") as f:
        linhas = f.read().rstrip("\n").split("\n")
    cab = linhas[0].split("\t")
    return [dict(zip(cab, l.split("\t"))) for l in linhas[1:]]


def main():
    base, perguntas, figurinhas = sys.argv[1:4]
    texto = secoes(base)
    erros = []
    por_secao = Counter()
    for nome, rows, chave, resposta in (("perguntas", le_tsv(perguntas), "numero", "resp_certa"),
                                        ("figurinhas", le_tsv(figurinhas), "numero", None)):
        for r in rows:
            rotulo = f"{nome} {r[chave]}"
            fonte = r.get("fonte", "").strip()
            if not fonte:
                erros.append(f"{rotulo}: sem fonte")
                continue
            if fonte not in texto:
                erros.append(f"{rotulo}: a seção {fonte} não existe na base de fatos")
                continue
            if fonte in NAO_CITAVEIS:
                erros.append(f"{rotulo}: a seção {fonte} só comenta as fontes")
                continue
            por_secao[fonte] += 1
            if resposta:
                alvo = normaliza(r[resposta])
                achados = [ok for l in texto[fonte] for t, ok in trechos(l) if alvo in t]
                if achados and not any(achados):
                    erros.append(f"{rotulo}: \"{r[resposta]}\" só aparece em linhas UNVERIFIED "
                                 f"da seção {fonte}")
    for s in sorted(por_secao, key=lambda s: [int(p) for p in s.split(".")]):
        print(f"seção {s}: {por_secao[s]} linhas")
    for e in erros:
        print("ERRO", e)
    print("ok" if not erros else f"{len(erros)} problemas")
    return 1 if erros else 0


if __name__ == "__main__":
    sys.exit(main())
