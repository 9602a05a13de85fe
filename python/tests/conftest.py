import os
import shutil
import struct
import subprocess
from pathlib import Path

import pytest


@pytest.fixture(scope="session")
def lintavox_sim() -> str:
    """The command line built beside the module (LINTAVOX_SIM, set by the build's test)."""
    sim = os.environ.get("LINTAVOX_SIM") or shutil.which("lintavox-sim")
    if not sim:
        pytest.skip("LINTAVOX_SIM names no lintavox-sim to compare with")
    return sim


@pytest.fixture
def sim(lintavox_sim):
    """Runs lintavox-sim with the arguments; returns the finished process."""
    def run(*arguments: str) -> subprocess.CompletedProcess:
        return subprocess.run([lintavox_sim, *arguments], capture_output=True, text=True, timeout=120)
    return run


def write_model(path: Path, points) -> Path:
    """A characteristic model file of the (MHz, dB) points."""
    data = b"LintaVOX\0" + struct.pack("<i", len(points))
    for f, db in points:
        data += struct.pack("<ff", f, db)
    path.write_bytes(data)
    return path
