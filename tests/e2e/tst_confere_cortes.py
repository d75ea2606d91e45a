#!/usr/bin/env python3
"""The cut finder on small recordings it must judge right: a cut, a fade, a quiet start.

Usage: tst_confere_cortes.py confere-cortes.py
"""
import math
import os
import subprocess
import sys
import tempfile
from array import array

TAXA = 44100


def tom(segundos, fim=lambda i, n: 1.0):
    """A loud 440 Hz tone, shaped at its end by fim(i, n)."""
    n = int(segundos * TAXA)
    return [int(16000 * fim(i, n) * math.sin(2 * math.pi * 440 * i / TAXA)) for i in range(n)]


def silencio(segundos):
    return [0] * int(segundos * TAXA)


def grava(pasta, nome, mono):
    amostras = array("h", (x for x in mono for _ in range(2)))
    if sys.byteorder != "little":
        amostras.byteswap()
    caminho = os.path.join(pasta, nome)
    with open(caminho, "wb") as f:
        f.write(amostras.tobytes())
    return caminho


def roda(ferramenta, *gravacoes):
    r = subprocess.run([sys.executable, ferramenta, *gravacoes], capture_output=True, text=True)
    return r.returncode, r.stdout


def main():
    ferramenta = sys.argv[1]
    falhas = []

    def confere(condicao, texto, saida):
        if not condicao:
            falhas.append(f"{texto}\n{saida}")

    with tempfile.TemporaryDirectory() as pasta:
        # 15 ms squared fade, like the game's stop.
        def fade(i, n):
            resto = max(0, n - i) / (TAXA * 0.015)
            return min(1.0, resto) ** 2

        suave = grava(pasta, "suave.raw", silencio(0.1) + tom(0.2, fade) + silencio(0.1))
        codigo, saida = roda(ferramenta, suave)
        confere(codigo == 0 and "1 parada(s)" in saida and "0 acima" in saida,
                "um som que some aos poucos foi tomado por um corte", saida)

        # A steady level cut off at 0.2 s, then a sound that fades.
        cortado = grava(pasta, "cortado.raw",
                        [12000] * int(0.2 * TAXA) + silencio(0.05) + tom(0.1, fade) + silencio(0.05))
        codigo, saida = roda(ferramenta, suave, cortado)
        confere(codigo == 1 and "2 parada(s)" in saida and "1 acima" in saida
                and "corte em 0.20 s: -8.7 dBFS" in saida and "FORA DOS LIMITES" in saida,
                "o corte não foi achado, ou foi medido errado", saida)

        # Silence at the very start is not a stop, nor is a recording that ends while playing.
        aberto = grava(pasta, "aberto.raw", silencio(0.1) + tom(0.1))
        codigo, saida = roda(ferramenta, aberto)
        confere(codigo == 0 and "0 parada(s)" in saida, "parada onde não houve", saida)

        codigo, saida = roda(ferramenta, os.path.join(pasta, "nao-existe.raw"))
        confere(codigo == 1 and "não foi possível ler" in saida,
                "uma gravação que falta passou", saida)

    for f in falhas:
        print("FALHOU:", f)
    if not falhas:
        print("confere-cortes: ok")
    return 1 if falhas else 0


if __name__ == "__main__":
    sys.exit(main())
