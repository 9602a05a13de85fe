"""The counted bit error rate (with its 95 % interval and the Gaussian estimate) and the
eye height (the smallest opening over every lane) of 100BaseTX and 1000BaseT against the
length of a Category 5e cable, from one sweep, drawn with matplotlib into a PNG file.

    python3 ber_vs_length.py                      # on this machine's processors
    python3 ber_vs_length.py --scheduler tcp://head:8786 --bits 1000000
"""

import argparse

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt

import lintavox


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bits", type=int, default=20000, help="bits per run (default 20000)")
    parser.add_argument("--scheduler", help="address of a Dask scheduler to run the sweep on")
    parser.add_argument("--out", default="ber_vs_length.png", help="the PNG file (default ber_vs_length.png)")
    arguments = parser.parse_args()

    client = None
    if arguments.scheduler:
        from distributed import Client
        client = Client(arguments.scheduler)
    table = lintavox.sweep({"standard": ["100BaseTX", "1000BaseT"], "length": "10:150:10"},
                           base={"cable": "Cat5e", "bits": arguments.bits, "seed": 1}, client=client)

    figure, (counted, eye) = plt.subplots(2, 1, sharex=True, figsize=(7, 7), constrained_layout=True)
    # The open triangles of both standards sit at one level: the larger ones stay visible around the smaller.
    for (standard, runs), colour, size in zip(table.groupby("standard", sort=False), ("tab:blue", "tab:red"), (10, 6)):
        # A count of zero has no place on a logarithmic axis: its interval's upper end stands for it.
        found = runs["counted_errors"] > 0
        counted.errorbar(runs["length"][found], runs["ber_counted"][found],
                         yerr=[runs["ber_counted"][found] - runs["ber_ci_low"][found],
                               runs["ber_ci_high"][found] - runs["ber_counted"][found]],
                         fmt="o", color=colour, capsize=3, label=f"{standard}, counted (95 %)")
        counted.plot(runs["length"][~found], runs["ber_ci_high"][~found], "v", color=colour, fillstyle="none",
                     markersize=size, label=f"{standard}, no error: below")
        counted.plot(runs["length"], runs["ber"], "--", color=colour, alpha=0.6,
                     label=f"{standard}, Gaussian estimate")
        eye.plot(runs["length"], runs["eye_height_mv"], "o-", color=colour, label=standard)
    counted.set_yscale("log")
    counted.set_ylim(1e-12, 1)
    counted.set_ylabel("bit error rate")
    counted.set_title(f"Category 5e, 20 °C, {arguments.bits:,} bits per run, seed 1")
    counted.legend(fontsize="small", loc="lower left")
    counted.grid(True, which="major", alpha=0.3)
    eye.set_xlabel("cable length (m)")
    eye.set_ylabel("eye height (mV, smallest opening)")
    eye.legend(fontsize="small")
    eye.grid(True, alpha=0.3)
    figure.savefig(arguments.out, dpi=110)
    print(table.to_string(index=False))
    print(f"written {arguments.out}")


if __name__ == "__main__":
    main()
