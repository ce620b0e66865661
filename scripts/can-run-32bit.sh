#!/usr/bin/env bash
# Exits 0 when this machine can start 32-bit x86 programs, which the shipped
# programs need under Wine: a Linux kernel started without its 32-bit support
# (ia32_emulation=off) cannot. Asks the kernel itself, with the smallest
# 32-bit program (it only exits), so that nothing needs installing first.
set -euo pipefail

probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
{
    # ELF header: 32-bit, little-endian, an executable for i386 whose entry
    # is at 0x08048054, one program header at offset 52.
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
    printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'
    printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00'
    printf '\x00\x00\x00\x00'
    # One loadable, readable and executable segment: the whole file of 93 bytes.
    printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
    printf '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
    # mov eax, 1 (exit); xor ebx, ebx (status 0); int 0x80
    printf '\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80'
} >"$probe"
chmod +x "$probe"
"$probe" </dev/null >/dev/null 2>&1
