#!/usr/bin/env python3
"""Time to answer and peak memory of the real program with hostile files in place.

Runs the program of a build (default build/bin) on a private Xvfb display, once per
case, in a copy of its folder with one file replaced: a 100 MB Config.ini, links to
/dev/zero, FIFOs, huge and lying WAV files, twelve 8K manual pages. For each case it
prints the milliseconds from the start to the answer (the Error box, the splash or the
device window on screen), the peak resident memory (VmHWM) at that moment and the
milliseconds the program takes to end after SIGTERM, or after OK on a message box.

    bench/hostile_files_measure.py [build/bin]

ZX_CASES=text runs only the cases whose name contains it.
"""
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

BIN = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/bin")
DISPLAY = None  # chosen by Xvfb itself: other builds may hold any fixed number
LIMIT_S = 40


def xdo(*args):
    r = subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=DISPLAY),
                       capture_output=True, text=True, timeout=10)
    return r.stdout.split()


def visible(name):
    return xdo("search", "--onlyvisible", "--name", name)


def on_screen(name):
    """A visible window of that name whose top-left lies on the screen."""
    for w in visible(name):
        geo = xdo("getwindowgeometry", "--shell", w)
        vals = dict(kv.split("=") for kv in geo if "=" in kv)
        if int(vals.get("X", -1)) >= 0 and int(vals.get("Y", -1)) >= 0:
            return w
    return None


def press_ok(box):
    # Through XTEST to the focused box: a key sent to a window that closes
    # between press and release would stay down and repeat into the next case.
    xdo("windowfocus", "--sync", box)
    xdo("key", "Return")


def vm_hwm_mb(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024
    except OSError:
        pass
    return float("nan")


def wav_header(data_bytes, rate=22050, channels=1, bits=16):
    align = channels * bits // 8
    return (b"RIFF" + struct.pack("<I", 36 + data_bytes) + b"WAVEfmt " +
            struct.pack("<IHHIIHH", 16, 1, channels, rate, rate * align, align, bits) +
            b"data" + struct.pack("<I", data_bytes))


def sparse(path, header, size):
    with open(path, "wb") as f:
        f.write(header)
        f.truncate(size)


def replace(path, how):
    if os.path.lexists(path):
        os.remove(path)
    if how == "fifo":
        os.mkfifo(path)
    elif how == "zero":
        os.symlink("/dev/zero", path)


def big_ini(path, megabytes):
    line = b"[Image7]\nFilename=none.png\nLeft=1\nTop=2\nWidth=3\nHeight=4\n"
    with open(path, "wb") as f:
        f.write(open(os.path.join(BIN, "Config.ini"), "rb").read())
        chunk = line * ((1 << 20) // len(line) + 1)
        while f.tell() < megabytes << 20:
            f.write(chunk)


def manual_pages(folder):
    """Twelve 8192 x 4096 8-bit bitmaps (one file, twelve links)."""
    w, h = 8192, 4096
    pages = os.path.join(folder, "Graphics", "Manual")
    one = os.path.join(folder, "big.bmp")
    header = (b"BM" + struct.pack("<IHHI", 54 + 1024 + w * h, 0, 0, 54 + 1024) +
              struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, w * h, 2835, 2835, 256, 0))
    sparse(one, header + bytes(1024), 54 + 1024 + w * h)
    for n in range(1, 13):
        replace(os.path.join(pages, f"{n}.bmp"), None)
        os.symlink(one, os.path.join(pages, f"{n}.bmp"))


SOUND = "SoundMode=0\nSplashScreen=0\nFullscreenMode=0\n"
# name, settings text (None: the settings file itself is replaced), how the folder is
# changed, the answer awaited ("error", "splash" or "face"), whether F4 opens the manual.
CASES = [
    ("Config.ini of 100 MB", SOUND, lambda d, c: big_ini(f"{d}/Config.ini", 100), "error"),
    ("Config.ini a link to /dev/zero", SOUND, lambda d, c: replace(f"{d}/Config.ini", "zero"),
     "error"),
    ("Config.ini a FIFO", SOUND, lambda d, c: replace(f"{d}/Config.ini", "fifo"), "error"),
    ("settings file a link to /dev/zero", None,
     lambda d, c: replace(f"{c}/Orvalle/Zorbax50.conf", "zero"), "splash"),
    ("settings file of 200 MB", None,
     lambda d, c: sparse(f"{c}/Orvalle/Zorbax50.conf", b"[General]\n", 200 << 20), "splash"),
    ("Shot.wav of 500 MB", SOUND,
     lambda d, c: sparse(f"{d}/Sound/Shot.wav", wav_header(500 << 20), 44 + (500 << 20)),
     "face"),
    ("Shot.wav a link to /dev/zero", SOUND, lambda d, c: replace(f"{d}/Sound/Shot.wav", "zero"),
     "face"),
    ("Shot.wav of 4 KB declaring 2 GB", SOUND,
     lambda d, c: sparse(f"{d}/Sound/Shot.wav", wav_header(2 << 30), 4096), "face"),
    ("Shot.wav of 80 MB, 8-bit 8 kHz", SOUND,
     lambda d, c: sparse(f"{d}/Sound/Shot.wav", wav_header(80 << 20, 8000, 1, 8),
                         44 + (80 << 20)), "face"),
    ("Shot.wav of 15 MB, 8-bit 8 kHz", SOUND,
     lambda d, c: sparse(f"{d}/Sound/Shot.wav", wav_header(15 << 20, 8000, 1, 8),
                         44 + (15 << 20)), "face"),
    ("Shot.wav of 1.45 MB, 8-bit 8 kHz (longest accepted)", SOUND,
     lambda d, c: sparse(f"{d}/Sound/Shot.wav", wav_header(1521742, 8000, 1, 8),
                         44 + 1521742), "face"),
    ("Enemy.wav a FIFO", SOUND, lambda d, c: replace(f"{d}/Sound/Enemy.wav", "fifo"), "error"),
    ("skin picture a link to /dev/zero", SOUND,
     lambda d, c: replace(f"{d}/Graphics/Skin/{sorted(os.listdir(d + '/Graphics/Skin'))[0]}",
                          "zero"), "face"),
    ("twelve 8192 x 4096 manual pages, F4", SOUND, lambda d, c: manual_pages(d), "manual"),
]


def run_case(name, settings, change, answer):
    work = tempfile.mkdtemp(prefix="zx_measure_")
    try:
        folder, config = f"{work}/program", f"{work}/config"
        shutil.copytree(BIN, folder, symlinks=True,
                        ignore=shutil.ignore_patterns("*.deb", "_CPack*"))
        os.makedirs(f"{config}/Orvalle")
        if settings is not None:
            with open(f"{config}/Orvalle/Zorbax50.conf", "w") as f:
                f.write("[General]\n" + settings)
        change(folder, config)
        env = dict(os.environ, DISPLAY=DISPLAY, XDG_CONFIG_HOME=config,
                   SDL_AUDIODRIVER="dummy")
        env.pop("QT_QPA_PLATFORM", None)
        start = time.monotonic()
        proc = subprocess.Popen([f"{folder}/zorbanix"], cwd=folder, env=env,
                                stdout=subprocess.DEVNULL, stderr=open(f"{work}/stderr", "w"))
        found, ms, peak = None, -1, float("nan")
        if answer == "manual":
            while time.monotonic() - start < LIMIT_S and not on_screen("Zorbanix"):
                time.sleep(0.05)
            xdo("key", "--window", on_screen("Zorbanix") or "", "F4")
            start = time.monotonic()
        while time.monotonic() - start < LIMIT_S and proc.poll() is None:
            if answer in ("error", "manual"):
                found = (visible("^Error$") or [None])[0]
            elif answer == "splash":
                found = on_screen("^About this game...$")
            else:
                found = on_screen("Zorbanix")
            if found:
                ms = (time.monotonic() - start) * 1000
                peak = vm_hwm_mb(proc.pid)
                break
            time.sleep(0.02)
        if found and answer == "manual":
            press_ok(found)
            time.sleep(0.2)
        t = time.monotonic()
        if found and answer == "error":
            press_ok(found)
        else:
            proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(10)
            end_ms = (time.monotonic() - t) * 1000
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
            end_ms = float("nan")
        print(f"| {name} | {answer} | {ms:.0f} | {peak:.0f} | {end_ms:.0f} |", flush=True)
        err = open(f"{work}/stderr").read()
        if ms < 0 or "Sanitizer" in err or "runtime error" in err:
            print(err, file=sys.stderr)
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    global DISPLAY
    print("| Case | Answer | ms to answer | VmHWM MB | ms to end |")
    print("|---|---|---|---|---|")
    only = os.environ.get("ZX_CASES", "")
    for case in CASES:
        if only not in case[0]:
            continue
        # A display of its own for each case, the number chosen by Xvfb.
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                 "1024x768x24", "-nolisten", "tcp"], pass_fds=(write_end,),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            DISPLAY = ":" + f.readline().strip()
        try:
            run_case(*case)
        finally:
            xvfb.terminate()
            xvfb.wait()


if __name__ == "__main__":
    main()
