#!/usr/bin/env python3
"""Checks the libraries' link graph, as `cmake --graphviz` draws it in a fresh configure: no
library reaches itself, and the layers below the screens reach no widget or sound library."""
import re
import subprocess
import sys
import tempfile
from collections import defaultdict

PROIBIDAS = {
    "dribolex_base": ("Qt6::Gui", "Qt6::Widgets", "SDL2"),
    "dribolex_data": ("Qt6::Gui", "Qt6::Widgets", "SDL2"),
    "dribolex_partida": ("Qt6::Widgets", "SDL2"),
}


def le_grafo(caminho):
    nomes, arestas = {}, defaultdict(set)
    with open(caminho, encoding="utf-8") as f:
        for linha in f:
            m = re.match(r'\s*"(node\d+)"\s*\[\s*label\s*=\s*"([^"]+)"', linha)
            if m:
                nomes[m.group(1)] = m.group(2)
                continue
            m = re.match(r'\s*"(node\d+)"\s*->\s*"(node\d+)"', linha)
            if m:
                arestas[m.group(1)].add(m.group(2))
    return {nomes[a]: {nomes[b] for b in bs} for a, bs in arestas.items()}, set(nomes.values())


def alcance(grafo, inicio):
    vistos, pilha = set(), list(grafo.get(inicio, ()))
    while pilha:
        n = pilha.pop()
        if n not in vistos:
            vistos.add(n)
            pilha.extend(grafo.get(n, ()))
    return vistos


def main():
    if len(sys.argv) != 3:
        print("uso: confere-grafo.py cmake pasta-do-projeto", file=sys.stderr)
        return 2
    cmake, projeto = sys.argv[1:]
    with tempfile.TemporaryDirectory() as pasta:
        dot = f"{pasta}/dribolex.dot"
        subprocess.run([cmake, "-S", projeto, "-B", f"{pasta}/build", f"--graphviz={dot}"],
                       check=True, stdout=subprocess.DEVNULL)
        grafo, nos = le_grafo(dot)
    problemas = []
    for n in sorted(nos):
        if n.startswith("dribolex") and n in alcance(grafo, n):
            problemas.append(f"{n} chega a si mesma pelos vínculos")
    for camada, proibidas in PROIBIDAS.items():
        if camada not in nos:
            problemas.append(f"{camada} não está no grafo")
            continue
        for alvo in sorted(alcance(grafo, camada)):
            if alvo.startswith(proibidas):
                problemas.append(f"{camada} chega a {alvo}")
    for p in problemas:
        print(p)
    print(f"{len(nos)} nós, {sum(len(v) for v in grafo.values())} vínculos: "
          + ("sem ciclos nem camadas furadas" if not problemas else f"{len(problemas)} problemas"))
    return 1 if problemas else 0


if __name__ == "__main__":
    sys.exit(main())
