"""Reads the resource tree of a PE executable (type, name, language and data of each leaf)."""
from __future__ import annotations

import struct
from dataclasses import dataclass
from pathlib import Path
from typing import Union

RT_MANIFEST = 24

ResourceId = Union[int, str]


@dataclass(frozen=True)
class Resource:
    type: ResourceId
    name: ResourceId
    language: int
    data: bytes


class _Image:
    def __init__(self, data: bytes):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an executable: no MZ header")
        pe = self.u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE image")
        sections = self.u16(pe + 6)
        optional = pe + 24
        magic = self.u16(optional)
        directories = optional + (112 if magic == 0x20B else 96)
        self.resource_rva = self.u32(directories + 2 * 8)  # entry 2: the resource directory
        table = optional + self.u16(pe + 20)
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]

    def u16(self, offset: int) -> int:
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset: int) -> int:
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva: int) -> int:
        for virtual_size, address, raw_size, raw_pointer in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_pointer + rva - address
        raise ValueError(f"RVA {rva:#x} lies in no section")


def read_resources(path: Path) -> list:
    """Every resource of the executable at path, in directory order."""
    image = _Image(Path(path).read_bytes())
    if image.resource_rva == 0:
        return []
    base = image.offset(image.resource_rva)

    def entry_id(value: int) -> ResourceId:
        if value & 0x80000000:  # a counted UTF-16 name
            at = base + (value & 0x7FFFFFFF)
            return image.data[at + 2:at + 2 + 2 * image.u16(at)].decode("utf-16-le")
        return value

    def entries(directory: int):
        count = image.u16(directory + 12) + image.u16(directory + 14)
        for i in range(count):
            name, target = struct.unpack_from("<II", image.data, directory + 16 + 8 * i)
            yield entry_id(name), target

    found = []
    for kind, names in entries(base):
        for name, languages in entries(base + (names & 0x7FFFFFFF)):
            for language, leaf in entries(base + (languages & 0x7FFFFFFF)):
                rva, size = struct.unpack_from("<II", image.data, base + leaf)
                start = image.offset(rva)
                found.append(Resource(kind, name, language, image.data[start:start + size]))
    return found
