#!/usr/bin/env python3
"""Abrupt stops in recordings of the game's sound: the level just before the mix falls silent.

Usage: confere-cortes.py [--limite DBFS] GRAVACAO.raw...
A recording is what SDL's disk audio driver writes: 16-bit little-endian stereo at 44100 Hz.
A stop is the start of at least 2 ms of digital silence; its level is the highest sample of the
1 ms before it. A sound that fades out reaches silence quietly; one that is cut off does not.
Exit 1 when a stop is louder than the limit (default -40 dBFS).
"""
import argparse
import math
import re
import sys
from array import array

TAXA = 44100
QUADRO = 4  # bytes of one stereo frame
SILENCIO = re.compile(rb"\x00{%d,}" % (TAXA * 2 // 1000 * QUADRO))
ANTES = TAXA // 1000  # frames looked at before a stop


def dbfs(pico):
    return 20 * math.log10(pico / 32768) if pico else -math.inf


def paradas(dados):
    """(second, dBFS) of every stop in a recording."""
    amostras = array("h")
    amostras.frombytes(dados[: len(dados) // QUADRO * QUADRO])
    if sys.byteorder != "little":
        amostras.byteswap()
    achadas = []
    for m in SILENCIO.finditer(dados):
        quadro = -(-m.start() // QUADRO)
        if quadro == 0:
            continue
        inicio = max(0, quadro - ANTES)
        trecho = amostras[2 * inicio : 2 * quadro]
        achadas.append((quadro / TAXA, dbfs(max(abs(x) for x in trecho))))
    return achadas


def main():
    opcoes = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    opcoes.add_argument("--limite", type=float, default=-40.0)
    opcoes.add_argument("gravacoes", nargs="+")
    args = opcoes.parse_args()
    problemas = 0
    for caminho in args.gravacoes:
        try:
            with open(caminho, "rb") as f:
                dados = f.read()
        except OSError as erro:
            print(f"ERRO {caminho}: não foi possível ler ({erro.strerror})")
            problemas += 1
            continue
        achadas = paradas(dados)
        altas = [p for p in achadas if p[1] > args.limite]
        resumo = f"{caminho}: {len(dados) / QUADRO / TAXA:.1f} s, {len(achadas)} parada(s)"
        if achadas:
            segundo, nivel = max(achadas, key=lambda p: p[1])
            resumo += f", a mais alta {nivel:.1f} dBFS em {segundo:.2f} s"
        print(resumo + f", {len(altas)} acima de {args.limite:g} dBFS")
        for segundo, nivel in altas:
            print(f"  corte em {segundo:.2f} s: {nivel:.1f} dBFS")
        problemas += len(altas)
    if problemas:
        print(f"{problemas} problema(s): FORA DOS LIMITES")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
