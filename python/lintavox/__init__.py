"""Lintavox from Python: runs of the twisted-pair Ethernet physical-layer simulator with
NumPy results, and sweeps of many runs on a local thread pool or a Dask cluster.

>>> import lintavox
>>> r = lintavox.run(standard="1000BaseT", bits=10000, cable="Cat5e", length=90, seed=1)
>>> r.counted_errors, r.compared_bits, r.ber_ci
"""

from __future__ import annotations

import os
from typing import Optional, Sequence, Union

import numpy as np

from . import _lintavox
from ._przemiatanie import sweep
from ._wynik import Lane, Result, Stream

__all__ = ["run", "load", "sweep", "Result", "Lane", "Stream", "STANDARDS"]

#: The four standards' names, as ``standard=`` takes them (or their positions 0 to 3).
STANDARDS: tuple[str, ...] = tuple(_lintavox.STANDARDS)

Path = Union[str, "os.PathLike[str]"]
Points = Union[Path, np.ndarray, Sequence[Sequence[float]]]
Bits = Union[Path, np.ndarray, Sequence[int]]


def run(
    *,
    standard: Union[str, int] = "100BaseTX",
    bits: int = 100,
    rate: Optional[int] = None,
    slope: Optional[int] = None,
    source: str = "random",
    echo_delay: int = 0,
    crosstalk: bool = True,
    echo: bool = True,
    regeneration: bool = True,
    decoder: bool = True,
    adaptive: bool = False,
    attenuation: Optional[Points] = None,
    crosstalk_model: Optional[Points] = None,
    echo_model: Optional[Points] = None,
    regeneration_model: Optional[Points] = None,
    cable: Optional[str] = None,
    length: Optional[float] = None,
    temperature: Optional[float] = None,
    touchstone: Optional[Path] = None,
    touchstone_ports: Optional[str] = None,
    touchstone_dc: Optional[str] = None,
    touchstone_points: Optional[int] = None,
    bits_file: Optional[Bits] = None,
    crosstalk_bits_file: Optional[Bits] = None,
    seed: Optional[int] = None,
    snr: Optional[float] = None,
    noise_mv: Optional[float] = None,
    jitter_ps: Optional[float] = None,
) -> Result:
    """Runs one simulation, as ``lintavox-sim`` does with the options of the same names
    (``--echo-delay`` is ``echo_delay``; ``--no-echo`` is ``echo=False``).

    standard: "10BaseT", "100BaseTX", "100BaseTX (bez 4B5B)", "1000BaseT" or 0 to 3.
    bits: data bits to send, 100 to 1,000,000.
    rate: bit rate, Mbps, within the standard's limits (None: the standard's default).
    slope: edge slope, mV/ns, within the standard's limits (None: the standard's default).
    source: random, zeros, ones, prbs7, prbs9, prbs15, prbs23 or prbs31.
    echo_delay: echo delay, ns, within the standard's limits.
    crosstalk, echo, regeneration, decoder: each effect on (True) or off.
    adaptive: the regenerator as the mirror of the attenuation.
    attenuation, crosstalk_model, echo_model, regeneration_model: a model file (.att, .amp)
        or the points themselves as an (N, 2) array or a list of (MHz, dB) pairs, losses
        negative; each wins over a Touchstone file, which wins over a cable.
    cable: Cat3, Cat5, Cat5e, Cat6 or Cat6A, filling attenuation, crosstalk and echo, with
        length (m, 1 to 200, default 100) and temperature (°C, -20 to 60, default 20).
    touchstone: a Touchstone file (.s1p, .s2p, .s4p, .s8p), read with touchstone_ports
        ("13-24" or "12-34"), touchstone_dc ("fit" or "flat") and touchstone_points.
    bits_file, crosstalk_bits_file: a text file of 0 and 1, or the bits as a sequence,
        sent instead of the bit source (at least the run's encoded bit count).
    seed: 0 to 2147483647 for a reproducible run (None: drawn from the clock and recorded).
    snr: white Gaussian noise at the receiver for this signal-to-noise ratio, dB; or
    noise_mv: the noise's RMS voltage, mV (not both).
    jitter_ps: RMS random jitter of the transmitted edges, ps.

    The GIL is released while the engine runs, so runs on several threads go in parallel.
    Ctrl-C (KeyboardInterrupt) stops a run within a fraction of a second.

    Raises TypeError for a value of the wrong kind and ValueError for one out of its limits
    or a file that cannot be read, with the command line's message after the keyword
    ("bits: '50' is not a whole number from 100 to 1000000"); RuntimeError when the run
    produced a value that is not a finite number.
    """
    arguments = dict(locals())
    return Result(_lintavox.run(arguments))


def load(path: Path) -> Result:
    """Reads an analysis file saved with its results (a ``.lintavox`` file, the JSON of
    ``lintavox-sim --json`` or of ``Result.save``) as the Result of its run: the same
    figures, eye, streams and document. A file that cannot be used, or that holds settings
    without results, raises ValueError naming the file and why."""
    return Result(_lintavox.load(os.fspath(path)))
