#!/usr/bin/env python3
"""The commands' cost, measured side by side with a floor in one run.

Builds, in Release and in a folder of its own, the floor (a bare QCoreApplication that ends at
once) and the program; writes a data file of 1,000 reminders with the program's own encoder;
then, round after round, the three interleaved in a rotating order, times from start to end:

  floor         the bare QCoreApplication
  list          nudgery --list against a running copy with the 1,000 reminders, which
                carries the command out (over a session bus of its own when dbus-daemon is
                installed, else over the single-instance claim's channel)
  add           nudgery --add with no copy running and 1,000 reminders in the data file:
                loads, adds, saves crash-safely with the backup (the file is put back first,
                outside the time)

and prints the medians, with each one's ratio to the floor as the median of the ratios taken
within each round, so that a load that comes and goes on the machine weighs alike on both.
The goals: list at most 2 times the floor, add at most 3 times.

Usage: bench/startup/commands.py [--rounds N] [--build-dir DIR] [--no-build]
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
from measure import SOURCE, build_program, build_tools, start_bus  # noqa: E402


def timed(command, env):
    start = time.perf_counter()
    done = subprocess.run(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    elapsed = (time.perf_counter() - start) * 1000
    if done.returncode != 0:
        sys.exit(f"{' '.join(command)} failed: {done.stderr.decode(errors='replace')}")
    return elapsed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rounds", type=int, default=30)
    parser.add_argument("--build-dir", type=Path, default=SOURCE / "build-startup")
    parser.add_argument("--no-build", action="store_true")
    args = parser.parse_args()

    tools = args.build_dir / "tools"
    program = args.build_dir / "program"
    if not args.no_build:
        tools = build_tools(args.build_dir)
        build_program(SOURCE, program)

    with tempfile.TemporaryDirectory() as scratch_name:
        scratch = Path(scratch_name)
        bus, bus_address = start_bus(scratch)
        # Each program in a folder of its own, which holds its data file, with a runtime
        # folder of its own for its claim.
        folders = {}
        for name in ("running", "alone"):
            folder = scratch / name
            (folder / "run").mkdir(parents=True)
            os.chmod(folder / "run", 0o700)
            shutil.copy2(program / "nudgery", folder / "nudgery")
            shutil.copy2(program / "libnudgery_window.so", folder / "libnudgery_window.so")
            folders[name] = folder
        master = scratch / "master.dat"
        subprocess.run([str(tools / "make_data"), "1000", str(master)], check=True)

        def environment(folder):
            env = dict(os.environ, QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="dummy",
                       XDG_RUNTIME_DIR=str(folder / "run"), DBUS_SESSION_BUS_ADDRESS=bus_address)
            return env

        running_env = environment(folders["running"])
        alone_env = environment(folders["alone"])
        shutil.copy2(master, folders["running"] / "Nudgery.dat")
        copy = subprocess.Popen([str(folders["running"] / "nudgery")], env=running_env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            # Answering, over the bus once the window has shown.
            deadline = time.monotonic() + 60
            while subprocess.run([str(folders["running"] / "nudgery"), "--list"],
                                 env=running_env, capture_output=True).returncode != 0:
                if time.monotonic() > deadline:
                    sys.exit("the running copy does not answer")
                time.sleep(0.2)
            time.sleep(2)

            def add():
                shutil.copy2(master, folders["alone"] / "Nudgery.dat")
                for leftover in ("Nudgery.dat.bak",):
                    (folders["alone"] / leftover).unlink(missing_ok=True)
                return timed([str(folders["alone"] / "nudgery"), "--add", "in 2h", "Tea"],
                             alone_env)

            configs = {
                "floor": lambda: timed([str(tools / "floor_core")], alone_env),
                "list": lambda: timed([str(folders["running"] / "nudgery"), "--list"],
                                      running_env),
                "add": add,
            }
            names = list(configs)
            samples = {name: [] for name in names}
            for _ in range(3):  # warm the caches
                for name in names:
                    configs[name]()
            for round_number in range(args.rounds):
                order = names[round_number % 3:] + names[:round_number % 3]
                for name in order:
                    samples[name].append(configs[name]())
        finally:
            copy.terminate()
            copy.wait(timeout=30)
            if bus:
                bus.terminate()

    floor = samples["floor"]
    print(f"{args.rounds} rounds; the running copy is reached over "
          f"{'a session bus' if bus_address != 'disabled:' else 'the claim channel'}")
    print(f"{'':8}{'median ms':>12}{'x floor':>10}{'goal':>8}")
    goals = {"floor": "", "list": "2", "add": "3"}
    for name in names:
        ratio = statistics.median(s / f for s, f in zip(samples[name], floor))
        print(f"{name:8}{statistics.median(samples[name]):12.1f}{ratio:10.2f}{goals[name]:>8}")


if __name__ == "__main__":
    main()
