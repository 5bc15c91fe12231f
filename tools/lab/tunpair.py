#!/usr/bin/env python3
"""A point-to-point link without hardware addresses between two network namespaces: a tun device
in each, and this process carrying every packet from one to the other. Used by netlab.sh.

    tunpair.py NS_A DEV_A NS_B DEV_B

Prints "ready" once both devices exist, then copies packets until killed."""
import ctypes
import fcntl
import os
import select
import struct
import sys

TUNSETIFF = 0x400454CA
IFF_TUN = 0x0001
IFF_NO_PI = 0x1000
CLONE_NEWNET = 0x40000000

libc = ctypes.CDLL(None, use_errno=True)


def enter(namespace):
    fd = os.open("/run/netns/" + namespace, os.O_RDONLY)
    try:
        if libc.setns(fd, CLONE_NEWNET) != 0:
            raise OSError(ctypes.get_errno(), "setns " + namespace)
    finally:
        os.close(fd)


def tun(name):
    # The device lives in the namespace this process is in when it is made.
    fd = os.open("/dev/net/tun", os.O_RDWR)
    fcntl.ioctl(fd, TUNSETIFF, struct.pack("16sH", name.encode(), IFF_TUN | IFF_NO_PI))
    return fd


def main():
    ns_a, dev_a, ns_b, dev_b = sys.argv[1:5]
    enter(ns_a)
    a = tun(dev_a)
    enter(ns_b)
    b = tun(dev_b)
    print("ready", flush=True)
    peer = {a: b, b: a}
    while True:
        for fd in select.select([a, b], [], [])[0]:
            packet = os.read(fd, 65536)
            try:
                os.write(peer[fd], packet)
            except OSError:
                pass  # the other end is not up yet: the packet is lost, as on a wire


main()
