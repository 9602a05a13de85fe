"""Sweeps: a run for every combination of a few settings' values, on a local thread pool or
on the workers of a Dask cluster, gathered into one pandas DataFrame."""

from __future__ import annotations

import inspect
import io
import json
import os
import warnings
from concurrent.futures import ThreadPoolExecutor
from typing import TYPE_CHECKING, Any, Iterable, Mapping, Optional, Union

import numpy as np

from . import _lintavox

if TYPE_CHECKING:
    import pandas as pd

AxisValues = Union[str, Iterable[Union[int, float, str]], int, float]


def _values_json(values: AxisValues) -> str:
    if isinstance(values, str):
        return json.dumps(values)
    if isinstance(values, (int, float, np.generic)):
        values = [values]
    return json.dumps(list(values), default=lambda v: v.item())


def _run_package(package: str, cancellation: Optional[_lintavox.Cancellation] = None
                 ) -> tuple[Optional[str], Optional[str]]:
    """One run of a sweep, on whichever machine the task landed on: the result document
    without streams, or the reason the run gave no result."""
    try:
        return _lintavox.run_package(package, cancellation), None
    except (ValueError, RuntimeError, MemoryError) as error:
        return None, str(error)


def _on_threads(packages: list[str], jobs: int) -> list[tuple[Optional[str], Optional[str]]]:
    cancellation = _lintavox.Cancellation()
    pool = ThreadPoolExecutor(max_workers=jobs)
    futures = [pool.submit(_run_package, p, cancellation) for p in packages]
    try:
        outcomes = [f.result() for f in futures]
    except BaseException:
        # Ctrl-C: the runs in progress stop within a fraction of a second, the rest never start.
        cancellation.cancel()
        pool.shutdown(wait=True, cancel_futures=True)
        raise
    pool.shutdown()
    return outcomes


def _on_cluster(packages: list[str], client: Any) -> list[tuple[Optional[str], Optional[str]]]:
    futures = client.map(_run_package, packages, pure=False)
    try:
        return client.gather(futures)
    except BaseException:
        client.cancel(futures)
        raise


def sweep(axes: Mapping[str, AxisValues], base: Optional[Mapping[str, Any]] = None, client: Any = None,
          jobs: Optional[int] = None) -> "pd.DataFrame":
    """Runs every combination of the axes' values on the base settings and returns a row per
    run, in run order (the first axis varying slowest), with the columns of
    ``lintavox-sim sweep``'s CSV file: each axis's value, the seed, then ber, ber_counted,
    counted_errors, compared_bits, ber_ci_low, ber_ci_high, error_share, max_error, and
    eye_height_mv and eye_width_ui, the smallest opening over every lane (NaN where none
    was measured).

    axes: keyword of lintavox.run to values, each a list (or array, or range) of values or a
        text as ``lintavox-sim sweep`` takes it ("100:500:100", "10..15", "all" for the
        standard). The axes are standard, bits, rate, slope, echo_delay, source, seed, snr,
        noise_mv, jitter_ps, cable, length and temperature; cable, length and temperature
        need a cable in base. A new standard brings its default rate and slope, and cable
        or Touchstone lists are made again at each run's rate.
    base: lintavox.run's keyword arguments for every run. Without a seed there or among the
        axes, one seed is drawn for the whole sweep, so every run sends the same bits.
    client: a dask.distributed Client: the runs become tasks on its workers (each needs
        only the lintavox package). None: a thread pool of this process with jobs threads
        (default: one per processor).

    Every run is checked before any starts: a sweep that cannot run raises ValueError or
    TypeError naming the keyword. A run that gives no result leaves its row out, with a
    RuntimeWarning, and the frame's ``attrs["failed"]`` maps its swept values to the reason.
    Ctrl-C stops the runs in progress and raises KeyboardInterrupt.
    """
    import pandas as pd  # only sweeps need it, and it takes a while to load

    from . import run

    base = dict(base or {})
    unknown = sorted(set(base) - set(inspect.signature(run).parameters))
    if unknown:
        raise TypeError(f"{unknown[0]}: is not a keyword of lintavox.run")
    prepared = _lintavox.Sweep({str(k): _values_json(v) for k, v in axes.items()}, base)
    packages = [prepared.package(i) for i in range(prepared.runs)]
    if client is None:
        outcomes = _on_threads(packages, jobs or len(os.sched_getaffinity(0)))
    else:
        outcomes = _on_cluster(packages, client)
    failed = {}
    for i, (document, error) in enumerate(outcomes):
        if document is None:
            failed[prepared.describe(i)] = error
            warnings.warn(f"the run at {prepared.describe(i)} failed: {error}", RuntimeWarning, stacklevel=2)
    # Every number as the engine made it: the CSV holds the shortest text that reads back exactly.
    table = pd.read_csv(io.StringIO(prepared.table([document for document, _ in outcomes])),
                        float_precision="round_trip")
    table.attrs["failed"] = failed
    return table
