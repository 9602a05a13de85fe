"""Two short measurements, printed as a table: the time of the default run as a call of
lintavox.run against lintavox-sim (median of --repeat of each, their ratio, and the command
line's start alone, which --help takes), and the
time of one sweep on a LocalCluster of one worker process against two.

    PYTHONPATH=build/python python3 python/bench/overhead.py build/bin/lintavox-sim
"""

import argparse
import statistics
import subprocess
import sys
import time

import lintavox


def median_seconds(f, repeat: int) -> float:
    times = []
    for _ in range(repeat):
        start = time.perf_counter()
        f()
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def cluster_seconds(workers: int, axes: dict, base: dict) -> float:
    from distributed import Client, LocalCluster

    with LocalCluster(n_workers=workers, threads_per_worker=1, processes=True, dashboard_address=None) as cluster, \
            Client(cluster) as client:
        client.run(lambda: __import__("lintavox"))
        start = time.perf_counter()
        lintavox.sweep(axes, base=base, client=client)
        return time.perf_counter() - start


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("lintavox_sim", help="the command line to compare with")
    parser.add_argument("--repeat", type=int, default=30)
    parser.add_argument("--sweep-bits", type=int, default=20000, help="bits of each of the sweep's 8 runs")
    arguments = parser.parse_args()

    command = [arguments.lintavox_sim, "--seed", "1", "--quiet"]
    subprocess.run(command, check=True)
    lintavox.run(seed=1)
    cli = median_seconds(lambda: subprocess.run(command, check=True), arguments.repeat)
    startup = median_seconds(lambda: subprocess.run([arguments.lintavox_sim, "--help"], check=True,
                                                    stdout=subprocess.DEVNULL), arguments.repeat)
    call = median_seconds(lambda: lintavox.run(seed=1), arguments.repeat)
    interpreter = median_seconds(lambda: subprocess.run(
        [sys.executable, "-c", "import lintavox; lintavox.run(seed=1)"], check=True), max(3, arguments.repeat // 5))
    print(f"default run (100BaseTX, 100 bits), median of {arguments.repeat}:")
    print(f"  lintavox-sim process      {cli * 1e3:8.1f} ms   (its start alone, --help: {startup * 1e3:.1f} ms;"
          f" the run without it: {(cli - startup) * 1e3:.1f} ms)")
    print(f"  lintavox.run call         {call * 1e3:8.1f} ms   {call / cli:6.1%} of the command line")
    print(f"  python3 -c (import + run) {interpreter * 1e3:8.1f} ms   {interpreter / cli:6.1%} of the command line")

    axes = {"seed": range(1, 9)}
    base = {"standard": "1000BaseT", "bits": arguments.sweep_bits}
    one = cluster_seconds(1, axes, base)
    two = cluster_seconds(2, axes, base)
    print(f"sweep of 8 runs of 1000BaseT with {arguments.sweep_bits} bits on a LocalCluster:")
    print(f"  1 worker {one:6.2f} s, 2 workers {two:6.2f} s, speed-up {one / two:4.2f}")


if __name__ == "__main__":
    main()
