#!/usr/bin/python3
"""Every kind of document lintavox-sim writes is valid against docs/analysis.schema.json,
and the schema refuses what the program refuses.

usage: TestSchematu.py LINTAVOX_SIM SCHEMA
Exit status 77 (skipped) without Debian's python3-jsonschema."""
import copy
import json
import os
import subprocess
import sys
import tempfile

try:
    from jsonschema import Draft202012Validator
except ImportError:
    print("python3-jsonschema is not installed")
    sys.exit(77)

SIM, SCHEMAT = os.path.abspath(sys.argv[1]), sys.argv[2]


def uruchom(folder, *argumenty):
    wynik = subprocess.run([SIM, "--quiet", *argumenty], cwd=folder, capture_output=True, text=True, timeout=120)
    if wynik.returncode != 0:
        raise SystemExit(f"lintavox-sim {' '.join(argumenty)} failed: {wynik.stderr}")


def main():
    with open(SCHEMAT, encoding="utf-8") as plik:
        schemat = json.load(plik)
    Draft202012Validator.check_schema(schemat)
    walidator = Draft202012Validator(schemat)
    bledy = []

    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "bity.txt"), "w", encoding="ascii") as plik:
            plik.write("0110" * 60)
        dokumenty = {}
        for i, standard in enumerate(["10BaseT", "100BaseTX", "100BaseTX (bez 4B5B)", "1000BaseT"]):
            uruchom(folder, "--standard", standard, "--seed", str(i), "--json", f"pelny-{i}.json")
            dokumenty[f"pelny-{i}.json"] = standard
        uruchom(folder, "--standard", "1000BaseT", "--no-regeneration", "--no-decoder", "--snr", "20",
                "--no-streams", "--json", "liczby.json")
        uruchom(folder, "--cable", "Cat6", "--length", "30", "--bits-file", "bity.txt", "--noise-mv", "5",
                "--jitter-ps", "100", "--adaptive", "--save-analysis", "ustawienia.lintavox")
        uruchom(folder, "--analysis", "ustawienia.lintavox", "--rate", "200", "--no-echo", "--json", "z-analizy.json")
        for nazwa in ["liczby.json", "ustawienia.lintavox", "z-analizy.json"]:
            dokumenty[nazwa] = None

        wczytane = {}
        for nazwa in dokumenty:
            with open(os.path.join(folder, nazwa), encoding="utf-8") as plik:
                wczytane[nazwa] = json.load(plik)
            for blad in walidator.iter_errors(wczytane[nazwa]):
                bledy.append(f"{nazwa}: {'/'.join(map(str, blad.absolute_path))}: {blad.message}")

    # What the program refuses, the schema refuses too.
    pelny = wczytane["pelny-1.json"]
    zmiany = {
        "the rate as text": lambda d: d["settings"].__setitem__("rate", "100"),
        "a rate below the standard's": lambda d: d["settings"].__setitem__("rate", 99),
        "no effects": lambda d: d.pop("effects"),
        "a member version 1 does not write": lambda d: d["settings"].__setitem__("speed", 1),
        "a list of one point": lambda d: d["characteristics"].__setitem__("echo", [[0, -1]]),
        "a gain beyond 150 dB": lambda d: d["characteristics"]["attenuation"][0].__setitem__(1, -151),
        "a newer version": lambda d: d.__setitem__("version", 2),
        "a histogram without the other streams": lambda d: d["results"].pop("input_streams"),
        "an unknown source": lambda d: d["settings"].__setitem__("source", "prbs11"),
        "a bit sequence of other characters": lambda d: d["settings"].__setitem__("bit_sequence", "0120"),
    }
    for opis, zmiana in zmiany.items():
        dokument = copy.deepcopy(pelny)
        zmiana(dokument)
        if walidator.is_valid(dokument):
            bledy.append(f"the schema takes {opis}")

    if not wczytane["z-analizy.json"]["from_analysis"]["overridden"]:
        bledy.append("z-analizy.json: the overridden rate and echo are not recorded")
    for blad in bledy:
        print(blad)
    print(f"{len(dokumenty)} documents checked, {len(zmiany)} damaged ones refused" if not bledy else "FAILED")
    return 1 if bledy else 0


if __name__ == "__main__":
    sys.exit(main())
