"""Builds the lintavox package: CMake configures the project without the desktop program,
builds the module's target alone, and the module goes into the package with the
computation libraries it loads. Every build dependency comes from Debian (scripts/install-deps),
so install with: pip install --no-build-isolation ."""

import os
import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = Path(__file__).resolve().parent


class CMakeBuild(build_ext):
    def build_extension(self, ext: Extension) -> None:
        build = Path(self.build_temp).resolve() / "cmake"
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                        "-DLINTAVOX_GUI=OFF", f"-DPython3_EXECUTABLE={sys.executable}"], check=True)
        jobs = os.environ.get("LINTAVOX_JOBS", "2")
        subprocess.run(["cmake", "--build", str(build), "-j", jobs, "--target", "_lintavox"], check=True)
        module = Path(self.get_ext_fullpath(ext.name))
        module.parent.mkdir(parents=True, exist_ok=True)
        built = next((build / "python" / "lintavox").glob("_lintavox*.so"))
        shutil.copy2(built, module)
        # The module finds the computation libraries beside itself ($ORIGIN in its run path).
        for library in (build / "bin").glob("lib*.so"):
            shutil.copy2(library, module.parent / library.name)


setup(
    packages=["lintavox"],
    package_dir={"": "python"},
    package_data={"lintavox": ["py.typed", "*.pyi"]},
    ext_modules=[Extension("lintavox._lintavox", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    options={"build": {"build_base": "build-python"}, "egg_info": {"egg_base": "build-python"}},
    zip_safe=False,
)
