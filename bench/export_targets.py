"""Reads the hyperfine results scripts/bench-export left in the folder given and prints, for
each format and page, the mean times of quadrix-export and fig2dev and their ratio against the
target: SVG at most fig2dev's time, PDF and PNG at most half of it."""
import json
import sys

TARGETS = {"svg": 1.0, "pdf": 0.5, "png": 0.5}
PAGES = ("510x254", "3840x2160")


def means(path):
    with open(path) as f:
        results = json.load(f)["results"]
    return {r["command"]: (r["mean"] * 1e3, r["stddev"] * 1e3) for r in results}


def main(folder):
    print(f"{'format':<7}{'page':<11}{'ours ms':>14}{'fig2dev ms':>16}{'ratio':>8}  target")
    all_ok = True
    for page in PAGES:
        for fmt, limit in TARGETS.items():
            t = means(f"{folder}/{fmt}-{page}.json")
            (ours, ours_sd), (theirs, theirs_sd) = t["ours"], t["fig2dev"]
            ratio = ours / theirs
            ok = ratio <= limit
            all_ok &= ok
            print(f"{fmt:<7}{page:<11}{ours:>8.1f} ± {ours_sd:<4.1f}{theirs:>10.1f} ± {theirs_sd:<4.1f}"
                  f"{ratio:>7.2f}  ≤ {limit:.1f} {'ok' if ok else 'MISSED'}")
    print("All targets met." if all_ok else "Some targets missed.")


if __name__ == "__main__":
    main(sys.argv[1])
