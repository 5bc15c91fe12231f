#!/usr/bin/env python3
"""Writes a simulator config with COUNT cameras in one /24 (for the scale benchmark and the soak).

   lab-cameras.py COUNT NET OUT [--churn] [--first-host N] [--serial-base N]

NET is the first three parts of the subnet ("192.168.81"). Every fifth camera speaks the Advanced
dialect; the others are Standard cameras of several families. With --churn every camera changes its
status every few seconds.
"""
import argparse
import json

STANDARD_MODELS = [(10, 2), (19, 1), (28, 2), (27, 0), (12, 3), (31, 5), (1, 0)]
ADVANCED_MODELS = [4, 5, 2, 7]


def main():
    p = argparse.ArgumentParser()
    p.add_argument("count", type=int)
    p.add_argument("net")
    p.add_argument("out")
    p.add_argument("--churn", action="store_true")
    p.add_argument("--first-host", type=int, default=10)
    p.add_argument("--serial-base", type=int, default=1000000)
    a = p.parse_args()
    if a.count + a.first_host > 254:
        raise SystemExit("too many cameras for one /24")
    third = int(a.net.split(".")[2])
    cams = []
    for i in range(a.count):
        host = a.first_host + i
        cam = {
            "name": "Cam %s.%d" % (a.net.split(".")[2], host),
            "ip": "%s.%d" % (a.net, host),
            "mask": "255.255.255.0",
            "mac": "02:5e:%02x:%02x:%02x:%02x" % (third, (i >> 8) & 0xFF, i & 0xFF, 0x10),
            "serial": a.serial_base + third * 1000 + i,
            "status": 1,
        }
        if i % 5 == 4:
            cam.update(dialect="advanced", model=ADVANCED_MODELS[i % len(ADVANCED_MODELS)],
                       firmware=0x00010203, link=0x10 if i % 2 else 0)
        else:
            model, variant = STANDARD_MODELS[i % len(STANDARD_MODELS)]
            cam.update(dialect="standard", model=model, variant=variant, firmware=[3, 14], options="WK")
        if a.churn:
            step = 2000 + 250 * (i % 7)
            cam["statusScript"] = [{"afterMs": 0, "status": 1}, {"afterMs": step, "status": 2},
                                   {"afterMs": 2 * step, "status": 3}, {"afterMs": 3 * step, "status": 4},
                                   {"afterMs": 4 * step, "status": 5}]
            cam["statusRepeat"] = True
        cams.append(cam)
    with open(a.out, "w") as f:
        json.dump({"cameras": cams}, f, indent=1)


if __name__ == "__main__":
    main()
