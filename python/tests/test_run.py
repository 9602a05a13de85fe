import gc
import json
import os
import re
import signal
import threading
import time

import numpy as np
import pytest

import lintavox
from conftest import write_model

LINE = [(0.0, -1.0), (30.0, -8.5), (100.0, -20.0)]

# The same run written as the command line's options and as keyword arguments.
SAME_RUNS = [
    ([], {}),
    (["--standard", "1000BaseT", "--bits", "400", "--cable", "Cat5e", "--length", "80", "--temperature", "35"],
     dict(standard="1000BaseT", bits=400, cable="Cat5e", length=80, temperature=35)),
    (["--standard", "10BaseT", "--snr", "12.5", "--jitter-ps", "900", "--source", "prbs9", "--no-echo"],
     dict(standard="10BaseT", snr=12.5, jitter_ps=900, source="prbs9", echo=False)),
    (["--standard", "100BaseTX (bez 4B5B)", "--rate", "250", "--no-decoder", "--adaptive", "--noise-mv", "40"],
     dict(standard=2, rate=250, decoder=False, adaptive=True, noise_mv=40.0)),
]


@pytest.mark.parametrize("options, keywords", SAME_RUNS)
def test_run_writes_the_command_lines_document(tmp_path, sim, options, keywords):
    cli = tmp_path / "cli.json"
    assert sim(*options, "--seed", "7", "--quiet", "--json", str(cli)).returncode == 0
    result = lintavox.run(seed=7, **keywords)
    mine = tmp_path / "python.json"
    result.save(mine)
    assert mine.read_bytes() == cli.read_bytes()
    document = json.loads(cli.read_text())
    assert result.to_dict() == document
    results = document["results"]
    assert result.to_dict(streams=False) == document | {"results": {
        k: v for k, v in results.items() if k not in ("input_streams", "crosstalk_sources", "histogram", "cumulative")} | {
        "lanes": [{k: lane[k] for k in ("name", "sampling_phase", "symbol_delay", "eye_detail")}
                  for lane in results["lanes"]]}}
    for name in ("ber", "ber_label", "ber_sentence", "error_share", "max_error", "encoded_bits", "symbol_rate", "eye"):
        assert getattr(result, name) == results[name], name
    counted = results["counted"]
    assert (result.counted_errors, result.compared_bits) == (counted["errors"], counted["compared_bits"])
    assert result.ber_ci == (counted["ci_low"], counted["ci_high"])
    assert result.seed == 7


def test_model_files_and_points_give_one_run(tmp_path, sim):
    model = write_model(tmp_path / "line.att", LINE)
    bits = tmp_path / "bits.txt"
    bits.write_text("01" * 100)
    cli = tmp_path / "cli.json"
    assert sim("--attenuation", str(model), "--bits-file", str(bits), "--seed", "3", "--quiet",
               "--json", str(cli)).returncode == 0
    from_files = lintavox.run(attenuation=model, bits_file=bits, seed=3).to_dict()
    assert from_files == json.loads(cli.read_text())
    from_data = lintavox.run(attenuation=np.array(LINE), bits_file=[0, 1] * 100, seed=3).to_dict()
    # The same run, only without the files' names in its record.
    assert from_data["characteristics"]["model_files"]["attenuation"] is None
    assert from_data["settings"]["bits_file"] is None
    for document in (from_data, from_files):
        document["characteristics"]["model_files"].pop("attenuation")
        document["settings"].pop("bits_file")
    assert from_data == from_files


def test_streams_are_the_engines_float32_points():
    result = lintavox.run(standard="1000BaseT", bits=300, seed=5)
    document = result.to_dict()["results"]
    assert len(result.lanes) == 4
    for lane, written in zip(result.lanes, document["lanes"]):
        assert (lane.name, lane.sampling_phase, lane.symbol_delay) == (
            written["name"], written["sampling_phase"], written["symbol_delay"])
        # What was sent and what decoding is compared with are encoder streams the lane names.
        for kind, stream in (("received", lane.received), ("regenerated", lane.regenerated),
                             ("amplified", lane.amplified), ("decoded", lane.decoded),
                             ("sent_stream", lane.sent), ("reference_stream", lane.reference)):
            expected = document["input_streams"][written[kind]] if kind.endswith("_stream") else written[kind]
            assert stream.x.dtype == np.float32 and stream.y.dtype == np.float32
            assert stream.x.tolist() == expected["x"] and stream.y.tolist() == expected["y"], kind
    assert [(name, s.y.tolist()) for name, s in result.input_streams] == [
        (s["name"], s["y"]) for s in document["input_streams"]]
    assert result.histogram.x.tolist() == document["histogram"]["x"]
    assert result.cumulative.y.tolist() == document["cumulative"]["y"]
    # One copy, read-only, shared by every access, and alive after the result is gone.
    received = result.lanes[0].received
    assert received.x.base is received.y.base and result.lanes[0].received is received
    with pytest.raises(ValueError):
        received.y[0] = 1.0
    del result, document
    gc.collect()
    assert np.isfinite(received.y).all()


def test_streams_a_run_did_not_make_are_none():
    lane = lintavox.run(regeneration=False, decoder=False, seed=1).lanes[0]
    assert lane.regenerated is None and lane.decoded is None and lane.reference is None
    assert lane.received.x.size > 0


def as_keyword_message(stderr: str) -> str:
    """The command line's message with each --option-name written as option_name."""
    message = stderr.strip().removeprefix("lintavox-sim: ")
    return re.sub(r"--([a-z][a-z-]*)", lambda m: m.group(1).replace("-", "_"), message)


# Each wrong value as an option and as a keyword, with the exception Python raises.
WRONG = [
    (["--bits", "50"], dict(bits=50), ValueError),
    (["--bits", "abc"], dict(bits="abc"), TypeError),
    (["--bits", "2000000"], dict(bits=2000000), ValueError),
    (["--standard", "1000BaseT", "--rate", "900"], dict(standard="1000BaseT", rate=900), ValueError),
    (["--standard", "Token Ring"], dict(standard="Token Ring"), ValueError),
    (["--source", "prbs8"], dict(source="prbs8"), ValueError),
    (["--snr", "150"], dict(snr=150), ValueError),
    (["--snr", "10", "--noise-mv", "5"], dict(snr=10, noise_mv=5), ValueError),
    (["--jitter-ps", "5000"], dict(jitter_ps=5000), ValueError),
    (["--seed", "4294967295"], dict(seed=4294967295), ValueError),
    (["--length", "30"], dict(length=30), ValueError),
    (["--cable", "Cat7"], dict(cable="Cat7"), ValueError),
    (["--cable", "Cat6", "--length", "250"], dict(cable="Cat6", length=250), ValueError),
    (["--touchstone-dc", "fit"], dict(touchstone_dc="fit"), ValueError),
    (["--adaptive", "--regeneration-model", "x.amp"], dict(adaptive=True, regeneration_model="x.amp"), ValueError),
    (["--attenuation", "/nonexistent/line.att"], dict(attenuation="/nonexistent/line.att"), ValueError),
    (["--bits-file", "/nonexistent/bits.txt"], dict(bits_file="/nonexistent/bits.txt"), ValueError),
    (["--touchstone", "/nonexistent/pair.s4p"], dict(touchstone="/nonexistent/pair.s4p"), ValueError),
]


@pytest.mark.parametrize("options, keywords, error", WRONG)
def test_wrong_values_raise_with_the_command_lines_words(sim, options, keywords, error):
    cli = sim(*options)
    assert cli.returncode == 2
    with pytest.raises(error) as raised:
        lintavox.run(**keywords)
    assert str(raised.value) == as_keyword_message(cli.stderr)


def test_wrong_kinds_and_lists_name_the_keyword(tmp_path):
    for keywords, message in [
        (dict(crosstalk="no"), "crosstalk: 'no' is not True or False"),
        (dict(standard=1.0), "standard: unknown standard '1.0'"),
        (dict(bits=True), "bits: 'True' is not a whole number"),
        (dict(bits=150.0), "bits: '150.0' is not a whole number"),
        (dict(snr="10"), "snr: '10' is not a number"),
        (dict(attenuation=[1, 2, 3]), "attenuation: '[1, 2, 3]' is not a model file or a list of (MHz, dB) points"),
        (dict(bits_file=[0.5, 1]), "bits_file: '[0.5, 1]' is not a bit file or a sequence of 0 and 1"),
    ]:
        with pytest.raises(TypeError, match=re.escape(message)):
            lintavox.run(**keywords)
    for keywords, message in [
        (dict(attenuation=[(10, -1), (5, -2)]), "attenuation: the points given: "),
        (dict(echo_model=[(1, -1), (2, -400)]), "echo_model: the points given: "),
        (dict(bits_file=[0, 1, 2] * 100), "bits_file: the bits given: holds a value other than 0 and 1"),
        (dict(crosstalk_bits_file=[1] * 10), "crosstalk_bits_file: the bits given: holds 10 bits, the run encodes 140"),
    ]:
        with pytest.raises(ValueError, match=re.escape(message)):
            lintavox.run(**keywords)
    # NumPy's numbers and booleans are taken as Python's.
    assert lintavox.run(bits=np.int64(120), snr=np.float32(30), echo=np.bool_(False), seed=1).settings["bits"] == 120


def test_save_refuses_folders_and_the_runs_inputs(tmp_path):
    model = write_model(tmp_path / "line.att", LINE)
    result = lintavox.run(attenuation=model, seed=1)
    before = model.read_bytes()
    with pytest.raises(ValueError, match="same file as an input"):
        result.save(model)
    with pytest.raises(ValueError, match="is a directory, not a regular file"):
        result.save(tmp_path)
    assert model.read_bytes() == before
    with pytest.raises(OSError):
        result.save(tmp_path / "missing" / "run.json")
    assert sorted(p.name for p in tmp_path.iterdir()) == ["line.att"]
    result.save(tmp_path / "run.json", streams=False)
    assert json.loads((tmp_path / "run.json").read_text()) == result.to_dict(streams=False)


def test_a_run_releases_the_gil():
    # While a run works on another thread, this thread keeps running Python.
    done = threading.Event()
    worker = threading.Thread(target=lambda: (lintavox.run(bits=3000, seed=1), done.set()))
    ticks = 0
    worker.start()
    while not done.is_set():
        ticks += 1
    worker.join()
    assert ticks > 100000


def test_two_runs_go_on_at_once():
    # A short run started while a long one works finishes before the long one does: runs
    # wait neither for the GIL nor for each other. The long one is then cancelled.
    from lintavox import _lintavox
    cancellation = _lintavox.Cancellation()
    long_run = []
    worker = threading.Thread(target=lambda: long_run.append(
        _lintavox.run({"standard": "10BaseT", "bits": 100000, "seed": 1}, cancellation)))
    worker.start()
    short = lintavox.run(bits=100, seed=1)
    assert worker.is_alive() and not long_run
    cancellation.cancel()
    worker.join()
    assert long_run == [None] and short.compared_bits == 100


def test_ctrl_c_stops_a_run_within_a_fraction_of_a_second():
    # Uninterrupted, this run takes several seconds (and half a gigabyte).
    sent = []
    timer = threading.Timer(0.3, lambda: (sent.append(time.perf_counter()), os.kill(os.getpid(), signal.SIGINT)))
    timer.start()
    with pytest.raises(KeyboardInterrupt):
        lintavox.run(standard="10BaseT", bits=200000, seed=1)
    stopped = time.perf_counter()
    timer.join()
    assert stopped - sent[0] < 1.0
    # The module is fine afterwards.
    assert lintavox.run(seed=1).compared_bits == 100


def test_a_saved_run_loads_back_with_its_figures_eye_and_streams(tmp_path, sim):
    first = lintavox.run(standard="1000BaseT", bits=200, seed=5, snr=20)
    first.save(tmp_path / "run.lintavox")
    again = lintavox.load(tmp_path / "run.lintavox")
    assert again.to_dict() == first.to_dict()
    assert (again.counted_errors, again.ber_ci, again.seed) == (first.counted_errors, first.ber_ci, 5)
    assert len(again.eye) == 4 and all(len(lane) == 4 for lane in again.eye)
    np.testing.assert_array_equal(np.column_stack(again.lanes[2].amplified),
                                  np.column_stack(first.lanes[2].amplified))
    # The command line's JSON is the same kind of file.
    assert sim("--standard", "10BaseT", "--seed", "2", "--quiet", "--json", str(tmp_path / "cli.json")).returncode == 0
    assert lintavox.load(tmp_path / "cli.json").standard == "10BaseT"


def test_loading_a_file_without_results_or_a_bad_one_names_it(tmp_path, sim):
    assert sim("--save-analysis", str(tmp_path / "settings.lintavox")).returncode == 0
    with pytest.raises(ValueError, match=r"settings\.lintavox: .*without the results"):
        lintavox.load(tmp_path / "settings.lintavox")
    (tmp_path / "cut.lintavox").write_text('{"format": "lintavox-analysis", "vers')
    with pytest.raises(ValueError, match=r"cut\.lintavox: "):
        lintavox.load(tmp_path / "cut.lintavox")
