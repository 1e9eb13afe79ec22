#!/usr/bin/env python3
"""Writes client packages that try to escape or abuse the application
directory, for the launcher's hostile-package tests.

    hostile_packages.py CASE OUT APP_DIR OUTSIDE

CASE    one of the names in CASES below
OUT     the package file to write
APP_DIR the application directory the package will be unpacked into
OUTSIDE a directory outside APP_DIR holding victim.txt and dir/, which the
        package aims at with absolute and relative names and links

Most packages carry a working client tree (INFO with build 1001, the client
executable and a start script that records its start in
$HOME/start-stop.calls) around the hostile entries, so that a package the
launcher accepts still yields a startable copy.
"""

import bz2
import gzip
import io
import lzma
import os
import stat
import sys
import tarfile
import zipfile

BUILD = "1001"
INFO = ("[Version]\nmajor_version=3\nminor_version=1\nbuild_version=%s\n"
        "icon_overlay_version=8\n" % BUILD).encode()
START_STOP = b'#!/bin/sh\necho "start %s" >> "$HOME/start-stop.calls"\n' % BUILD.encode()
CLIENT = b"#!/bin/sh\nexit 0\n"


def client_tree():
    """(name, type, mode, data) rows of a working client copy."""
    return [
        ("INFO", "file", 0o644, INFO),
        ("bin", "dir", 0o755, b""),
        ("bin/tarrowind-backup-ui", "file", 0o755, CLIENT),
        ("package", "dir", 0o755, b""),
        ("package/start-stop", "file", 0o755, START_STOP),
    ]


def tar_member(tar, name, kind, mode=0o644, data=b"", link="", size=None, dev=(0, 0), pax=None):
    info = tarfile.TarInfo(name)
    if pax:
        info.pax_headers = pax
    info.mode = mode
    info.mtime = 1700000000
    info.type = {
        "file": tarfile.REGTYPE,
        "dir": tarfile.DIRTYPE,
        "symlink": tarfile.SYMTYPE,
        "hardlink": tarfile.LNKTYPE,
        "chr": tarfile.CHRTYPE,
        "blk": tarfile.BLKTYPE,
        "fifo": tarfile.FIFOTYPE,
    }[kind]
    info.linkname = link
    info.devmajor, info.devminor = dev
    info.size = len(data) if size is None else size
    tar.addfile(info, io.BytesIO(data) if info.size else None)


def write_tar(out, members, fmt=tarfile.PAX_FORMAT, compress=True):
    raw = io.BytesIO()
    with tarfile.open(fileobj=raw, mode="w", format=fmt) as tar:
        for m in members:
            tar_member(tar, **m)
    data = raw.getvalue()
    if compress:
        data = gzip.compress(data, mtime=0)
    with open(out, "wb") as f:
        f.write(data)


def tree_members():
    return [dict(name=n, kind=k, mode=m, data=d) for n, k, m, d in client_tree()]


def cpio_newc(out, rows):
    """A "newc" cpio archive; rows are (name, st_mode, data)."""
    buf = io.BytesIO()

    def pad(n):
        buf.write(b"\0" * ((4 - n % 4) % 4))

    ino = 1
    for name, mode, data in rows + [("TRAILER!!!", 0, b"")]:
        encoded = name.encode() + b"\0"
        fields = [ino, mode, 0, 0, 1, 1700000000, len(data), 0, 0, 0, 0, len(encoded), 0]
        buf.write(b"070701" + b"".join(b"%08X" % v for v in fields))
        buf.write(encoded)
        pad(110 + len(encoded))
        buf.write(data)
        pad(len(data))
        ino += 1
    with open(out, "wb") as f:
        f.write(buf.getvalue())


def case_dotdot(out, app, outside):
    rel = os.path.relpath(outside, app)
    write_tar(out, tree_members() + [
        dict(name="sub/../../escaped-dotdot.txt", kind="file", data=b"escaped\n"),
        dict(name=rel + "/victim.txt", kind="file", data=b"overwritten\n"),
    ])


def case_absolute(out, app, outside):
    write_tar(out, tree_members() + [
        dict(name=outside + "/absolute.txt", kind="file", data=b"absolute\n"),
        dict(name=outside + "/victim.txt", kind="file", data=b"overwritten\n"),
    ])


def case_symlink_then_write(out, app, outside):
    # A link to an outside file, then a file of the same name.
    write_tar(out, tree_members() + [
        dict(name="evil", kind="symlink", link=outside + "/victim.txt"),
        dict(name="evil", kind="file", data=b"written through the link\n"),
    ])


def case_symlink_to_outside_dir(out, app, outside):
    # Links to an outside directory, absolute and relative, then files under them.
    rel = os.path.relpath(outside, app)
    write_tar(out, tree_members() + [
        dict(name="evildir", kind="symlink", link=outside + "/dir"),
        dict(name="evildir/planted.txt", kind="file", data=b"planted\n"),
        dict(name="reldir", kind="symlink", link=rel + "/dir"),
        dict(name="reldir/planted-rel.txt", kind="file", data=b"planted\n"),
    ])


def case_hardlink_outside(out, app, outside):
    rel = os.path.relpath(outside, app)
    write_tar(out, tree_members() + [
        dict(name="hard-abs", kind="hardlink", link=outside + "/victim.txt"),
        dict(name="hard-rel", kind="hardlink", link=rel + "/victim.txt"),
    ])


def case_hardlink_with_data(out, app, outside):
    # pax lets a hard-link entry carry data, which a writer puts into the
    # linked file; the extended header makes it a pax entry.
    write_tar(out, tree_members() + [
        dict(name="hard-data", kind="hardlink", link=outside + "/victim.txt",
             data=b"overwritten through a hard link\n", pax={"comment": "with data"}),
    ])


def case_hardlink_relative_with_data(out, app, outside):
    rel = os.path.relpath(outside, app)
    write_tar(out, tree_members() + [
        dict(name="hard-data", kind="hardlink", link=rel + "/victim.txt",
             data=b"overwritten through a hard link\n", pax={"comment": "with data"}),
    ])


def case_hardlink_to_symlink_with_data(out, app, outside):
    # A hard link to the package's own link to an outside file, with data
    # that a writer following the link would put into that file.
    write_tar(out, tree_members() + [
        dict(name="evil", kind="symlink", link=outside + "/victim.txt"),
        dict(name="hard-data", kind="hardlink", link="evil",
             data=b"overwritten through a hard link\n", pax={"comment": "with data"}),
    ])


def case_dot_names(out, app, outside):
    write_tar(out, [
        dict(name=".", kind="dir", mode=0o777),
        dict(name="", kind="file", data=b"nameless\n"),
        dict(name="./.", kind="file", data=b"dot\n"),
    ] + tree_members())


def case_empty_name_first(out, app, outside):
    write_tar(out, [dict(name="", kind="file", data=b"nameless\n")] + tree_members())


def case_only_empty_name(out, app, outside):
    write_tar(out, [dict(name="", kind="file", data=b"nameless\n")])


def case_dot_symlink(out, app, outside):
    write_tar(out, [dict(name=".", kind="symlink", link=outside + "/dir")])


def case_special_files(out, app, outside):
    write_tar(out, tree_members() + [
        dict(name="null", kind="chr", mode=0o666, dev=(1, 3)),
        dict(name="disk", kind="blk", mode=0o666, dev=(7, 0)),
        dict(name="fifo", kind="fifo", mode=0o666),
    ])


def case_socket(out, app, outside):
    rows = [(n, (stat.S_IFDIR if k == "dir" else stat.S_IFREG) | m, d)
            for n, k, m, d in client_tree()]
    cpio_newc(out, rows + [("socket", stat.S_IFSOCK | 0o777, b"")])


def case_setuid(out, app, outside):
    write_tar(out, tree_members() + [
        dict(name="bin/setuid", kind="file", mode=0o4755, data=CLIENT),
        dict(name="bin/setgid", kind="file", mode=0o2755, data=CLIENT),
        dict(name="shared", kind="dir", mode=0o3777),
        dict(name="shared/sticky", kind="file", mode=0o7777, data=b"x\n"),
    ])


def case_long_path(out, app, outside):
    parts = []
    while len("/".join(parts)) < 4990:
        parts.append("d%03d" % len(parts) + "x" * 95)
    name = "/".join(parts)[:4991] + "/file.txt"
    assert len(name.encode()) == 5000, len(name)
    write_tar(out, tree_members() + [dict(name=name, kind="file", data=b"deep\n")])


def case_many_entries(out, app, outside):
    raw = io.BytesIO()
    with tarfile.open(fileobj=raw, mode="w", format=tarfile.GNU_FORMAT) as tar:
        for m in tree_members():
            tar_member(tar, **m)
        for d in range(100):
            tar_member(tar, "many/%02d" % d, "dir", 0o755)
            for f in range(999):
                tar_member(tar, "many/%02d/%03d" % (d, f), "file")
    with open(out, "wb") as f:
        f.write(gzip.compress(raw.getvalue(), compresslevel=1, mtime=0))


def case_zip_slip(out, app, outside):
    rel = os.path.relpath(outside, app)
    with zipfile.ZipFile(out, "w") as z:
        for n, k, m, d in client_tree():
            info = zipfile.ZipInfo(n + "/" if k == "dir" else n, (2023, 1, 1, 0, 0, 0))
            info.external_attr = ((stat.S_IFDIR if k == "dir" else stat.S_IFREG) | m) << 16
            z.writestr(info, d)
        z.writestr("../zip-slip.txt", b"slipped\n")
        z.writestr(rel + "/zip-slip.txt", b"slipped\n")


def case_truncated_gzip(out, app, outside):
    members = tree_members() + [
        dict(name="share/%04d" % i, kind="file", data=os.urandom(512)) for i in range(200)]
    write_tar(out, members)
    size = os.path.getsize(out)
    with open(out, "r+b") as f:
        f.truncate(size // 2)


def case_empty_tar(out, app, outside):
    write_tar(out, [], compress=False)


def case_empty_gzip(out, app, outside):
    write_tar(out, [])


def case_zero_bytes(out, app, outside):
    open(out, "wb").close()


def case_duplicates(out, app, outside):
    write_tar(out, tree_members() + [
        dict(name="INFO", kind="file", data=INFO),
        dict(name="dup.txt", kind="file", data=b"first\n"),
        dict(name="dup.txt", kind="file", data=b"second\n"),
        dict(name="was-file", kind="file", data=b"file\n"),
        dict(name="was-file", kind="dir"),
        dict(name="was-dir", kind="dir"),
        dict(name="was-dir", kind="symlink", link=outside + "/dir"),
        dict(name="was-dir/planted.txt", kind="file", data=b"planted\n"),
    ])


def case_duplicate_full_dir(out, app, outside):
    # A directory with contents, then a file of the same name.
    write_tar(out, tree_members() + [
        dict(name="bin", kind="file", data=b"not a directory\n"),
    ])


def case_endless_bzip2(out, app, outside):
    # One entry of a TiB of zeros, as 65,536 concatenated bzip2 streams of 16
    # MiB each (45 bytes apiece): a 3 MB file whose headers take hours to read
    # through, as a stream that decompresses into itself does.
    entry = tarfile.TarInfo("zeros")
    entry.size = 1 << 40
    chunk = 16 << 20
    with open(out, "wb") as f:
        f.write(bz2.compress(entry.tobuf(format=tarfile.PAX_FORMAT) + bytes(chunk)))
        stream = bz2.compress(bytes(chunk))
        f.write(stream * (entry.size // chunk))


def case_huge_dictionary(out, app, outside):
    # A working client tree in an xz stream whose decoder asks for a 1 GiB
    # dictionary before the first header.
    write_tar(out, tree_members(), compress=False)
    with open(out, "rb") as f:
        plain = f.read()
    lzma2 = [{"id": lzma.FILTER_LZMA2, "dict_size": 1 << 30}]
    with open(out, "wb") as f:
        f.write(lzma.compress(plain, format=lzma.FORMAT_XZ, filters=lzma2))


CASES = {name[len("case_"):]: fn for name, fn in globals().items() if name.startswith("case_")}


def main(argv):
    if len(argv) != 5 or argv[1] not in CASES:
        sys.stderr.write("usage: %s CASE OUT APP_DIR OUTSIDE\ncases: %s\n"
                         % (argv[0], " ".join(sorted(CASES))))
        return 2
    CASES[argv[1]](argv[2], argv[3], argv[4])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
