#!/usr/bin/env python3
"""Start-up, memory and idle cost of the program, measured against two floors in the same run.

Builds, in Release and in a folder of its own, the two floor programs (a bare Qt window with a
1,000-row table and a one-second timer; the same with a label that shows a seconds clock) and
the program; writes data files of 0, 1,000, 10,000 and 100,000 reminders (and 10,000 that
repeat every minute) with the program's own encoder; then starts every program on an X server
of its own (Xvfb), round after round, the programs interleaved in a rotating order, and prints
the medians with their ratios to the floors. A ratio is the median of the ratios taken within
each round, so that a load that comes and goes on the machine weighs alike on both.

The start-up figures (to the map, CPU, memory, libraries) come from every start: first the
start rounds, whose starts end 3 s after the map, then the rounds that also watch the idle
program. A start takes seconds and an idle round minutes, so the start-up figures get many
more samples than the idle ones; on a machine whose speed wanders they need them.

Usage: bench/startup/measure.py [--start-rounds N] [--rounds N] [--idle SECONDS]
                                [--syscall-seconds SECONDS] [--build-dir DIR] [--no-build]
                                [--sizes 0,1000,...] [--before SOURCE_DIR]
With --before, the program built from another source tree (an earlier commit, say) is
measured in the same rounds, its columns marked "before".
"""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass, field
from pathlib import Path

SOURCE = Path(__file__).resolve().parents[2]
TOOLS = Path(__file__).resolve().parent
# How long after the window is mapped the start-up figures are taken.
SETTLE_SECONDS = 3.0
MAP_TIMEOUT_MS = 60000


@dataclass
class Config:
    name: str
    command: list
    # The program's folder, which holds its data file; None for the floors.
    folder: Path = None
    data_master: Path = None
    reminders: int = 0


@dataclass
class Sample:
    map_ms: float = 0.0
    cpu_start_ms: float = 0.0
    rss_mib: float = 0.0
    anon_mib: float = 0.0
    libraries: int = 0
    idle_cpu_ms: float = 0.0
    syscalls_per_s: float = 0.0
    switches_per_s: float = 0.0


@dataclass
class Results:
    # config name -> list of Sample per round: every start, and the idle rounds alone
    starts: dict = field(default_factory=dict)
    idle: dict = field(default_factory=dict)


def run(command, **kwargs):
    subprocess.run(command, check=True, **kwargs)


QUIET = {"stdout": subprocess.DEVNULL}


def build_tools(build_dir: Path):
    tools = build_dir / "tools"
    run(["cmake", "-S", str(TOOLS), "-B", str(tools), "-G", "Ninja",
         "-DCMAKE_BUILD_TYPE=Release"], **QUIET)
    run(["cmake", "--build", str(tools), "-j2"], **QUIET)
    return tools


def build_program(source: Path, program: Path):
    run(["cmake", "-S", str(source), "-B", str(program), "-G", "Ninja",
         "-DCMAKE_BUILD_TYPE=Release", "-DBUILD_TESTING=OFF"], **QUIET)
    run(["cmake", "--build", str(program), "-j2", "--target", "nudgery"], **QUIET)


def prepare_configs(runs: Path, tools: Path, program: Path, sizes, prefix=""):
    """A folder per data file with a copy of the program, which keeps its files beside it."""
    variants = [(f"{n:,}", n, []) for n in sizes] + [("10,000 each minute", 10000,
                                                      ["--every-minute"])]
    configs = []
    for label, count, options in variants:
        label = prefix + label
        folder = runs / label.replace(",", "").replace(" ", "-")
        folder.mkdir(parents=True)
        shutil.copy2(program / "nudgery", folder / "nudgery")
        # The window's module, beside the program; a version from before it had none.
        if (program / "libnudgery_window.so").exists():
            shutil.copy2(program / "libnudgery_window.so", folder / "libnudgery_window.so")
        master = folder / "master.dat"
        run([str(tools / "make_data"), str(count), str(master)] + options)
        configs.append(Config(label, [str(folder / "nudgery")], folder, master, count))
    return configs


def start_bus(folder: Path):
    """A session bus of the run's own, or None where dbus-daemon is not installed."""
    if not shutil.which("dbus-daemon"):
        return None, "disabled:"
    daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                               f"--address=unix:dir={folder}"],
                              stdout=subprocess.PIPE, text=True)
    return daemon, daemon.stdout.readline().strip()


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        sys.exit("Xvfb did not start")
    return server, f":{number}"


def tasks(pid):
    return os.listdir(f"/proc/{pid}/task")


def cpu_ns(pid):
    """CPU time of every thread of the process, in nanoseconds, from the scheduler's count."""
    total = 0
    for task in tasks(pid):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return total


def voluntary_switches(pid):
    total = 0
    for task in tasks(pid):
        try:
            with open(f"/proc/{pid}/task/{task}/status") as f:
                for line in f:
                    if line.startswith("voluntary_ctxt_switches:"):
                        total += int(line.split()[1])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return total


def memory_mib(pid):
    values = {}
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            key, _, rest = line.partition(":")
            if key in ("VmRSS", "RssAnon"):
                values[key] = int(rest.split()[0]) / 1024
    return values["VmRSS"], values["RssAnon"]


def shared_libraries(pid):
    with open(f"/proc/{pid}/maps") as f:
        return len({line.split()[-1] for line in f if ".so" in line.split()[-1]})


def syscalls_per_second(pid, seconds):
    with tempfile.NamedTemporaryFile("r", suffix=".strace") as out:
        tracer = subprocess.Popen(["strace", "-f", "-c", "-o", out.name, "-p", str(pid)],
                                  stderr=subprocess.DEVNULL)
        time.sleep(seconds)
        tracer.send_signal(signal.SIGINT)
        tracer.wait(timeout=30)
        for line in out.read().splitlines():
            fields = line.split()
            if fields and fields[-1] == "total":
                return int(fields[3]) / seconds
    return 0.0


def measure_once(config: Config, tools: Path, env, idle_seconds, syscall_seconds) -> Sample:
    if config.folder:
        # Each start finds the same files: the data file as written, no settings, no backup.
        for entry in config.folder.iterdir():
            if entry.name not in ("nudgery", "libnudgery_window.so", "master.dat"):
                entry.unlink()
        shutil.copy2(config.data_master, config.folder / "Nudgery.dat")
    watcher = subprocess.Popen([str(tools / "mapwatch"), str(MAP_TIMEOUT_MS)] + config.command,
                               env=env, stdout=subprocess.PIPE, text=True)
    pid_text, map_text = watcher.stdout.readline().split()
    pid = int(pid_text)
    sample = Sample(map_ms=float(map_text))
    try:
        if sample.map_ms < 0:
            raise RuntimeError(f"{config.name}: no window within {MAP_TIMEOUT_MS} ms")
        mapped_at = time.monotonic()
        time.sleep(max(0.0, mapped_at + SETTLE_SECONDS - time.monotonic()))
        sample.cpu_start_ms = cpu_ns(pid) / 1e6
        sample.rss_mib, sample.anon_mib = memory_mib(pid)
        sample.libraries = shared_libraries(pid)
        if idle_seconds <= 0:
            return sample

        cpu_before, switches_before, t0 = cpu_ns(pid), voluntary_switches(pid), time.monotonic()
        time.sleep(idle_seconds)
        cpu_after, switches_after, t1 = cpu_ns(pid), voluntary_switches(pid), time.monotonic()
        sample.idle_cpu_ms = (cpu_after - cpu_before) / 1e6 * 60.0 / (t1 - t0)
        sample.switches_per_s = (switches_after - switches_before) / (t1 - t0)
        sample.syscalls_per_s = syscalls_per_second(pid, syscall_seconds)
    finally:
        os.kill(pid, signal.SIGTERM)
        try:
            watcher.wait(timeout=30)
        except subprocess.TimeoutExpired:
            os.kill(pid, signal.SIGKILL)
            watcher.wait()
    return sample


# The figures taken from every start; the others from the idle rounds alone.
START_FIGURES = {"map_ms", "cpu_start_ms", "rss_mib", "anon_mib", "libraries"}

FIGURES = [
    # (attribute, label, format, floor the ratio is taken against)
    ("map_ms", "start to window mapped, ms", "{:.0f}", "bare window"),
    ("cpu_start_ms", f"CPU from start to map + {SETTLE_SECONDS:.0f} s, ms", "{:.0f}",
     "bare window"),
    ("rss_mib", f"resident memory {SETTLE_SECONDS:.0f} s after map, MiB", "{:.1f}",
     "bare window"),
    ("anon_mib", "  of it anonymous, MiB", "{:.1f}", "bare window"),
    ("libraries", "shared libraries loaded", "{:.0f}", "bare window"),
    ("idle_cpu_ms", "CPU over 60 s idle, ms", "{:.1f}", "clock floor"),
    ("syscalls_per_s", "system calls per second, idle", "{:.1f}", "clock floor"),
    ("switches_per_s", "voluntary context switches per second, idle", "{:.2f}", "clock floor"),
]


def samples_of(results: Results, attribute):
    return results.starts if attribute in START_FIGURES else results.idle


def median_ratio(results: Results, name, floor, attribute):
    ratios = []
    samples = samples_of(results, attribute)
    for mine, theirs in zip(samples[name], samples[floor]):
        a, b = getattr(mine, attribute), getattr(theirs, attribute)
        if b > 0:
            ratios.append(a / b)
    return statistics.median(ratios) if ratios else None


def print_table(configs, results: Results, args, load_before, load_after):
    names = [c.name for c in configs]
    print()
    print(f"Medians of {args.start_rounds + args.rounds} starts of each program for the "
          f"start-up figures, of {args.rounds} of them for the idle ones; idle window "
          f"{args.idle:g} s, system calls counted over {args.syscall_seconds:g} s; (×n) is "
          f"the median ratio to the floor named in the last column, taken round by round.")
    print(f"load average before: {load_before}; after: {load_after}")
    print()
    print("| figure | " + " | ".join(names) + " | floor |")
    print("|---" * (len(names) + 2) + "|")
    for attribute, label, fmt, floor in FIGURES:
        cells = []
        for name in names:
            values = [getattr(s, attribute) for s in samples_of(results, attribute)[name]]
            if not values:
                cells.append("–")
                continue
            text = fmt.format(statistics.median(values))
            if name not in ("bare window", "clock floor"):
                ratio = median_ratio(results, name, floor, attribute)
                if ratio is not None:
                    text += f" (×{ratio:.2f})"
            cells.append(text)
        print(f"| {label} | " + " | ".join(cells) + f" | {floor} |")
    print()
    for config in configs:
        if not config.folder:
            continue
        size = config.data_master.stat().st_size
        anon = statistics.median(s.anon_mib for s in results.starts[config.name])
        print(f"{config.name}: data file {size / 2**20:.2f} MiB"
              + (f" ({size / config.reminders:.0f} bytes a reminder); anonymous memory "
                 f"{anon * 2**20 / size:.2f} times the file" if config.reminders else ""))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--start-rounds", type=int, default=12,
                        help="rounds of starts alone, for the start-up figures (default 12)")
    parser.add_argument("--rounds", type=int, default=8,
                        help="rounds that also watch the idle program (default 8)")
    parser.add_argument("--idle", type=float, default=60.0,
                        help="seconds of idle measured per start (default 60)")
    parser.add_argument("--syscall-seconds", type=float, default=10.0,
                        help="seconds of system calls counted with strace per start")
    parser.add_argument("--build-dir", type=Path, default=SOURCE / "build-startup")
    parser.add_argument("--no-build", action="store_true",
                        help="measure what the build folder holds")
    parser.add_argument("--sizes", default="0,1000,10000,100000")
    parser.add_argument("--before", type=Path,
                        help="source tree of a version to measure alongside, as 'before'")
    args = parser.parse_args()

    build_dir = args.build_dir.resolve()
    tools, program = build_dir / "tools", build_dir / "program"
    before = build_dir / "program-before"
    if not args.no_build:
        build_tools(build_dir)
        build_program(SOURCE, program)
        if args.before:
            build_program(args.before.resolve(), before)
    sizes = [int(s) for s in args.sizes.split(",") if s]
    runs = build_dir / "runs"
    shutil.rmtree(runs, ignore_errors=True)
    configs = [Config("bare window", [str(tools / "floor_window")]),
               Config("clock floor", [str(tools / "floor_clock")])]
    if args.before:
        configs += prepare_configs(runs, tools, before, sizes, "before ")
    configs += prepare_configs(runs, tools, program, sizes)

    server, display = start_xvfb()
    runtime = tempfile.mkdtemp(prefix="nudgery-startup-")
    # A session bus as a desktop has one; without it, each start would launch a bus for the
    # display (dbus-launch) or find none, neither of which a user sees.
    bus, bus_address = start_bus(Path(runtime))
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime,
               DBUS_SESSION_BUS_ADDRESS=bus_address)
    env.pop("WAYLAND_DISPLAY", None)
    results = Results({c.name: [] for c in configs}, {c.name: [] for c in configs})
    load_before = os.getloadavg()
    try:
        for round_number in range(args.start_rounds + args.rounds):
            watch_idle = round_number >= args.start_rounds
            # A rotating order, so that no program always follows the same one.
            shift = round_number % len(configs)
            for config in configs[shift:] + configs[:shift]:
                sample = measure_once(config, tools, env, args.idle if watch_idle else 0,
                                      args.syscall_seconds)
                results.starts[config.name].append(sample)
                if watch_idle:
                    results.idle[config.name].append(sample)
                print(f"round {round_number + 1}: {config.name}: map {sample.map_ms:.0f} ms, "
                      f"CPU {sample.cpu_start_ms:.0f} ms, RSS {sample.rss_mib:.1f} MiB"
                      + (f", idle CPU {sample.idle_cpu_ms:.1f} ms/min" if watch_idle else ""),
                      file=sys.stderr, flush=True)
    finally:
        server.terminate()
        server.wait()
        if bus:
            bus.terminate()
            bus.wait()
        shutil.rmtree(runtime, ignore_errors=True)
    load_after = os.getloadavg()
    print_table(configs, results, args,
                ", ".join(f"{x:.2f}" for x in load_before),
                ", ".join(f"{x:.2f}" for x in load_after))


if __name__ == "__main__":
    main()
