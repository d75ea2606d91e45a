#!/usr/bin/env python3
"""Fairness figures of the question bank: can the answer be guessed from the options' shape?

Usage: confere-perguntas.py perguntas.tsv [--lista]
Exit 1 when a figure is out of bounds.
"""
import re
import sys
from collections import Counter

NUM = re.compile(r"^\D*?(\d+(?:[.,]\d+)*)\D*$")
DATA = re.compile(r"^(\d{1,2})/(\d{1,2})(?:/(\d{4}))?$")
BRASIL = re.compile(r"Brasil|brasileir")
PLACAR = re.compile(r"(\d+)\s*[x×–-]\s*(\d+)")


def valor(opcao):
    """Number an option stands for (dates as day of year), or None."""
    o = opcao.strip()
    m = DATA.match(o)
    if m:
        return int(m.group(2)) * 40 + int(m.group(1))
    if PLACAR.search(o):
        return None
    nums = re.findall(r"\d+(?:[.,]\d+)?", o)
    if len(nums) != 1:
        return None
    resto = re.sub(r"\d+(?:[.,]\d+)?", "#", o)
    return float(nums[0].replace(".", "").replace(",", ".")), resto


def resultado(opcao):
    m = PLACAR.findall(opcao)
    if len(m) != 1:
        return None
    a, b = int(m[0][0]), int(m[0][1])
    return (a > b) - (a < b)


def main():
    caminho = sys.argv[1]
    lista = "--lista" in sys.argv
    with open(caminho, encoding="utf-8") as f:
        linhas = f.read().rstrip("\n").split("\n")
    cab = linhas[0].split("\t")
    rows = [dict(zip(cab, l.split("\t"))) for l in linhas[1:]]
    meio = menor = maior = 0
    impar = impar_certo = 0
    longa = 0
    brasil = 0
    conjuntos = Counter()
    for r in rows:
        ops = [r["resp_certa"], r["resp_errada1"], r["resp_errada2"]]
        if r.get("fonte", "").split(".")[0] == "6" or BRASIL.search(" ".join([r["pergunta"]] + ops)):
            brasil += 1
        conjuntos[(frozenset(ops), ops[0])] += 1
        lens = [len(o) for o in ops]
        if lens[0] > max(lens[1], lens[2]):
            longa += 1
        vs = [valor(o) for o in ops]
        if all(v is not None for v in vs):
            # numbers of the same shape only ("32 seleções" vs "24 seleções")
            chave = [v if isinstance(v, int) else v[0] for v in vs]
            formas = {None if isinstance(v, int) else v[1] for v in vs}
            if len(formas) == 1 and len(set(chave)) == 3:
                ordem = sorted(chave)
                pos = ordem.index(chave[0])
                if pos == 1:
                    meio += 1
                    if lista:
                        print("meio", r["numero"], ops)
                elif pos == 0:
                    menor += 1
                else:
                    maior += 1
        res = [resultado(o) for o in ops]
        if all(x is not None for x in res) and len(set(res)) == 2:
            impar += 1
            c = Counter(res)
            odd = [i for i, x in enumerate(res) if c[x] == 1][0]
            if odd == 0:
                impar_certo += 1
            elif lista:
                print("impar-errado", r["numero"], ops)
    repetidos = {k: n for k, n in conjuntos.items() if n > 2}
    numericas = meio + menor + maior
    total = len(rows)
    pm = 100.0 * meio / numericas if numericas else 0
    pi = 100.0 * impar_certo / impar if impar else 0
    pl = 100.0 * longa / total if total else 0
    print(f"perguntas no banco: {total}")
    print(f"numéricas: {numericas}; certa no meio {meio} ({pm:.1f} %), "
          f"menor {menor}, maior {maior}")
    print(f"placares com resultado ímpar: {impar}; o ímpar é o certo em {impar_certo} ({pi:.1f} %)")
    print(f"certa é a opção mais longa: {longa} ({pl:.1f} %)")
    pb = 100.0 * brasil / total if total else 0
    print(f"sobre o Brasil: {brasil} ({pb:.1f} %)")
    print(f"conjuntos de opções repetidos mais de 2 vezes com a mesma certa: {len(repetidos)}")
    for (s, c), n in repetidos.items():
        print("  ", n, "x", sorted(s), "certa", c)
    ok = (pm <= 40 and (numericas == 0 or abs(menor - maior) <= max(2, 0.25 * (menor + maior)))
          and not repetidos and pb <= 25 and (impar == 0 or 25 <= pi <= 45) and pl <= 40)
    print("ok" if ok else "FORA DOS LIMITES")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
