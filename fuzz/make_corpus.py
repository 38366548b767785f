#!/usr/bin/env python3
"""Writes the seed corpus of fuzz_receive into fuzz/corpus/receive/.

Layout of an input: one byte choosing the module (low two bits), then
[control byte][chunk] pairs; control bit 7 holds (terminal shown), the low
six bits are the chunk length (bit 6 would count 128-byte blocks)."""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "receive")

TARN, BRAE_LOCH, SKERRY, HALF_FJORD = range(4)


def chunks(*parts, hold=False):
    """Each part is one chunk as the port would deliver it; long ones are cut
    into pieces of at most 63 bytes, which the reader joins again."""
    out = b""
    for part in parts:
        if not part:
            out += bytes([0x80 if hold else 0])
        for i in range(0, len(part), 63):
            piece = part[i:i + 63]
            out += bytes([len(piece) | (0x80 if hold else 0)]) + piece
    return out


def report(values, ok=b"OK\r\n", header=b"KV6-KV7 Brae-Loch"):
    """A settings report laid out as the simulator sends it."""
    body = b"\r\n" + header + b" - active settings\r\n"
    for reg, value in values:
        body += b"S%d=%s\r\n" % (reg, value)
    return body + b"\r\n" + ok


WORKED = [(101, b"0"), (102, b"7"), (103, b"8"), (104, b"1234"),
          (105, b"5"), (108, b"30"), (118, b"65535"), (141, b"1")]

SEEDS = {
    "report_brae_loch": bytes([BRAE_LOCH]) + chunks(report(WORKED)),
    "report_half_fjord": bytes([HALF_FJORD]) + chunks(report(
        [(101, b"2"), (102, b"1"), (103, b"3"), (104, b"00123"),
         (105, b"4294967295"), (108, b"33"), (118, b"65535"), (141, b"0")],
        header=b"KV5 Half Fjord")),
    "report_tarn_oneline": bytes([TARN]) + chunks(
        b"S101=0 S102=7 S103=8 S104=1234 S105=5 S108=30 S141=1 OK"),
    "report_split": bytes([SKERRY]) + chunks(
        b"\r\nKV6-KV7 Skerry - active settings\r\nS101=1\r\nS10", b"2=3\r\nS103=4\r\nS104=77", b"\r\nO", b"K\r\n"),
    "report_no_ok": bytes([TARN]) + chunks(report(WORKED, ok=b"")),
    "frame_b0": bytes([TARN]) + chunks(bytes.fromhex("FAB00400 00C20100 5F".replace(" ", ""))),
    "frame_e2": bytes([TARN]) + chunks(bytes.fromhex("FAE200005F")),
    "frame_then_report": bytes([BRAE_LOCH]) + chunks(
        bytes.fromhex("FAB0040000C201005F") + bytes.fromhex("FAE200005F") + report(WORKED)),
    "frame_split": bytes([TARN]) + chunks(bytes.fromhex("FAB004"), bytes.fromhex("0000C201005F")),
    "frame_bad_end": bytes([TARN]) + chunks(bytes.fromhex("FAE2000060") + b"S101=1 OK"),
    "echo_ats104": bytes([SKERRY]) + chunks(b"ATS104=1234\r\r\n", b"OK\r\n"),
    "held_then_shown": bytes([BRAE_LOCH]) + chunks(report(WORKED), hold=True) + chunks(b"\r\n"),
    "unreadable": bytes([TARN]) + chunks(
        b"S104=12 S101=x S102= -7 S103=+ S105=-1 S108=99999999999 S141=2147483648 OK"),
    "names_at_head": bytes([HALF_FJORD]) + chunks(b"S104=S105=5 S104=S101=3 S101=1S101=2 OK"),
    "overflow": bytes([TARN]) + bytes([0x40 | 20]) + b"x" * (20 * 128) +
                bytes([0x40 | 20]) + b"S101=1 OK" + b"y" * (20 * 128 - 9) + chunks(report(WORKED)),
}

os.makedirs(OUT, exist_ok=True)
for name, data in SEEDS.items():
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)
