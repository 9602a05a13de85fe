import os
import signal
import threading
import time

import pandas as pd
import pytest

import lintavox



def test_sweep_gives_the_command_lines_table(tmp_path, sim):
    csv = tmp_path / "sweep.csv"
    cli = sim("sweep", "--rate", "100,300", "--snr", "8:20:12", "--source", "random,prbs7", "--bits", "200",
              "--seed", "11", "--jobs", "2", "--quiet", "--out", str(csv))
    assert cli.returncode == 0, cli.stderr
    # Every setting option the command line is given is an axis, if of one value.
    table = lintavox.sweep({"rate": [100, 300], "snr": "8:20:12", "source": ["random", "prbs7"], "bits": 200},
                           base={"seed": 11}, jobs=2)
    pd.testing.assert_frame_equal(table, pd.read_csv(csv, float_precision="round_trip"))
    assert len(table) == 8 and table.attrs["failed"] == {}
    # The first axis varies slowest.
    assert table["rate"].tolist() == [100] * 4 + [300] * 4
    assert table["snr_db"].tolist() == [8, 8, 20, 20] * 2


def test_cable_lengths_are_made_again_for_each_run():
    table = lintavox.sweep({"length": range(20, 101, 40)}, base={"standard": "1000BaseT", "bits": 200,
                                                                 "cable": "Cat5e", "seed": 3})
    single = [lintavox.run(standard="1000BaseT", bits=200, cable="Cat5e", length=length, seed=3)
              for length in (20, 60, 100)]
    assert table["length"].tolist() == [20, 60, 100]
    assert table["ber"].tolist() == [r.ber for r in single]
    assert table["max_error"].tolist() == [r.max_error for r in single]


def test_one_seed_for_a_sweep_given_none():
    table = lintavox.sweep({"bits": [100, 150, 200]})
    assert table["seed"].nunique() == 1
    seeded = lintavox.sweep({"seed": [1, 2]})
    assert seeded.columns[0] == "seed" and seeded["seed"].tolist() == [1, 2]


def test_sweeps_that_cannot_run_are_refused_before_any_run():
    for axes, base, error, message in [
        ({"colour": [1]}, {}, ValueError, "colour: is not a setting a sweep varies (standard, bits, rate"),
        ({"snr_db": [1]}, {}, ValueError, "snr_db: is not a setting a sweep varies"),
        ({"rate": "100:500:0"}, {}, ValueError, "rate: "),
        ({"rate": [100, 700]}, {}, ValueError, "rate: '700' is not a whole number from 100 to 500"),
        ({"length": [10, 20]}, {}, ValueError, "length: "),
        ({"snr": [1], "noise_mv": [2]}, {}, ValueError, "noise_mv: contradicts snr_db"),
        ({"rate": [100]}, {"bits": 5}, ValueError, "bits: '5' is not a whole number"),
        ({"rate": [100]}, {"echo": "no"}, TypeError, "echo: 'no' is not True or False"),
        ({"rate": [100]}, {"snr_db": 10}, TypeError, "snr_db: is not a keyword of lintavox.run"),
    ]:
        with pytest.raises(error, match="^" + message.replace("(", r"\(")):
            lintavox.sweep(axes, base=base)


# Debian's tornado tells distributed of an API it will drop; nothing of this package's.
@pytest.mark.filterwarnings("ignore:make_current is deprecated:DeprecationWarning")
def test_a_local_cluster_gives_the_thread_pools_table():
    distributed = pytest.importorskip("distributed")
    axes = {"standard": ["100BaseTX", "1000BaseT"], "jitter_ps": [0, 300, 600]}
    base = {"bits": 300, "seed": 5, "snr": 15}
    on_threads = lintavox.sweep(axes, base=base)
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None) as cluster, \
            distributed.Client(cluster) as client:
        on_cluster = lintavox.sweep(axes, base=base, client=client)
        # The runs really ran in the workers' processes.
        assert len({pid for pid in client.run(os.getpid).values()} - {os.getpid()}) == 2
    pd.testing.assert_frame_equal(on_cluster, on_threads)
    assert len(on_threads) == 6


def test_ctrl_c_stops_a_sweep():
    # Each run takes seconds: a sweep that let its runs finish would take far longer to stop.
    sent = []
    timer = threading.Timer(0.5, lambda: (sent.append(time.perf_counter()), os.kill(os.getpid(), signal.SIGINT)))
    timer.start()
    with pytest.raises(KeyboardInterrupt):
        lintavox.sweep({"seed": range(8)}, base={"standard": "10BaseT", "bits": 100000}, jobs=2)
    assert time.perf_counter() - sent[0] < 1.5
    timer.join()
