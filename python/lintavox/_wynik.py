"""A finished run: its figures, its streams as NumPy arrays, and its JSON document."""

from __future__ import annotations

import json
import os
from functools import cached_property
from typing import Any, NamedTuple, Optional, Union

import numpy as np

from . import _lintavox


class Stream(NamedTuple):
    """One stream of a run: x (time in symbol periods, or the error's value for the
    distributions) and y (volts, or the share), both read-only float32 arrays.

    The engine keeps each stream's points as (x, y) pairs in a store that it does not lend
    out, so a stream is copied once, the first time it is read; x and y are then views of
    that one (n, 2) block, which ``np.column_stack(stream)`` gives back.
    """

    x: np.ndarray
    y: np.ndarray


def _stream(block: Optional[np.ndarray]) -> Optional[Stream]:
    return None if block is None else Stream(block[:, 0], block[:, 1])


class Lane(NamedTuple):
    """One wire pair carrying the signal, from what was sent to what was decoded.

    sampling_phase: where in a code symbol the receiver decides (0 to 1); symbol_delay:
    the channel's delay in whole code symbols. regenerated is None without regeneration,
    decoded and reference None without the decoder.
    """

    name: str
    sampling_phase: float
    symbol_delay: int
    sent: Stream
    received: Stream
    regenerated: Optional[Stream]
    amplified: Stream
    decoded: Optional[Stream]
    reference: Optional[Stream]


class Result:
    """The result of lintavox.run: the settings as run, every figure of the command line's
    JSON document as an attribute, and every stream as NumPy arrays (copied once, on first
    access; see Stream). The engine's result stays alive as long as this object does."""

    def __init__(self, run_result: "_lintavox.RunResult") -> None:
        self._run = run_result
        self._figures: dict[str, Any] = json.loads(run_result.document(streams=False))
        self._results: dict[str, Any] = self._figures["results"]
        self._counted: dict[str, Any] = self._results["counted"]

    def __repr__(self) -> str:
        return (f"<lintavox.Result {self.standard}, {self.settings['bits']} bits, seed {self.seed}: "
                f"{self.counted_errors} of {self.compared_bits} bits wrong>")

    # The settings and the run's size.
    @property
    def standard(self) -> str:
        return self._figures["standard"]

    @property
    def settings(self) -> dict[str, Any]:
        """Every setting as run, as the document's "settings" object (a copy)."""
        return json.loads(json.dumps(self._figures["settings"]))

    @property
    def seed(self) -> int:
        """The seed the random bits, noise and jitter came from: given or drawn."""
        return self._results["seed"]

    @property
    def symbol_rate(self) -> int:
        """Mbaud."""
        return self._results["symbol_rate"]

    @property
    def encoded_bits(self) -> int:
        """Bits encoded, the standard's guard bits included."""
        return self._results["encoded_bits"]

    # The Gaussian estimate.
    @property
    def ber(self) -> float:
        """The error library's Gaussian BER estimate."""
        return self._results["ber"]

    @property
    def ber_label(self) -> str:
        """The estimate as the program shows it: mantissa and "x10" (see ber_exponent)."""
        return self._results["ber_label"]

    @property
    def ber_exponent(self) -> str:
        return self._results["ber_exponent"]

    @property
    def ber_sentence(self) -> str:
        """How often a wrong bit occurs, in Polish."""
        return self._results["ber_sentence"]

    @property
    def max_error(self) -> float:
        """The largest amplitude error, V."""
        return self._results["max_error"]

    @property
    def histogram_peak(self) -> float:
        return self._results["histogram_peak"]

    @property
    def error_share(self) -> Optional[float]:
        """Share of wrongly decoded time, 0 to 1; None without the decoder."""
        return self._results["error_share"]

    # The receiver's count.
    @property
    def counted_errors(self) -> int:
        return self._counted["errors"]

    @property
    def compared_bits(self) -> int:
        return self._counted["compared_bits"]

    @property
    def ber_counted(self) -> float:
        return self._counted["ber"]

    @property
    def ber_ci(self) -> tuple[float, float]:
        """The exact (Clopper-Pearson) two-sided 95 % interval of the counted BER."""
        return self._counted["ci_low"], self._counted["ci_high"]

    # The eye.
    @property
    def eye(self) -> list[list[dict[str, Optional[float]]]]:
        """Per lane, its eye openings lowest first: height_mv, height_3sigma_mv, width_ui,
        width_ns, threshold_v, the levels' means and sigmas and more; None where the run
        could not measure a figure (a level never sent)."""
        return json.loads(json.dumps(self._results["eye"]))

    @property
    def bathtub(self) -> list[dict[str, list[float]]]:
        """Per lane, the error rate against the sampling phase ("phase", "ber") and against
        the decision threshold ("threshold_v", "ber_vs_threshold")."""
        return json.loads(json.dumps(self._results["bathtub"]))

    # The streams.
    @cached_property
    def lanes(self) -> list[Lane]:
        return [Lane(l["name"], l["sampling_phase"], l["symbol_delay"],
                     *(_stream(l[k]) for k in ("sent", "received", "regenerated", "amplified", "decoded",
                                               "reference")))
                for l in self._run.lanes()]

    @cached_property
    def input_streams(self) -> list[tuple[str, Stream]]:
        """The encoder's display streams, each with its name, in the coder's order."""
        return [(name, _stream(block)) for name, block in self._run.input_streams()]

    @cached_property
    def histogram(self) -> Stream:
        """The distribution of the amplitude error."""
        return _stream(self._run.histogram())

    @cached_property
    def cumulative(self) -> Stream:
        """The cumulative distribution of the amplitude error."""
        return _stream(self._run.cumulative())

    # The document.
    def to_dict(self, streams: bool = True) -> dict[str, Any]:
        """The command line's JSON document (``lintavox-sim --json``) as Python objects;
        without streams as ``--no-streams`` writes it."""
        return json.loads(self._run.document(streams=streams))

    def save(self, path: Union[str, "os.PathLike[str]"], streams: bool = True) -> None:
        """Writes the document as ``lintavox-sim --json`` does: to a temporary beside path,
        then renamed over it. A path that is not a regular file or is an input file of the
        run raises ValueError; a failed write raises OSError."""
        self._run.save(os.fspath(path), streams)
