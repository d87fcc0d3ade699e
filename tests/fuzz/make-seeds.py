#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets beside this script.

Each seed is a script in the harness's own input format (see the comments at
the top of each fuzz_*.cpp): good replies, split ones, exceptions, bad CRCs,
wrong slaves and echoes, so the fuzzers start from the paths that matter.
Run it again after changing a harness's input format.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
FUNCTIONS = [1, 2, 3, 4, 5, 6, 15, 16]
BASE = {1: 0x1001, 5: 0x1001, 15: 0x1001, 2: 0x2001, 3: 0x3001, 6: 0x3001, 16: 0x3001,
        4: 0x4001}
OP_REQUEST, OP_TIMEOUT = 0xFF, 0xFE


def crc_modbus(data):
    crc = 0xFFFF
    for b in data:
        crc ^= b
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def crc_xmodem(data):
    crc = 0
    for b in data:
        crc ^= b << 8
        for _ in range(8):
            crc = ((crc << 1) ^ 0x1021) if crc & 0x8000 else crc << 1
            crc &= 0xFFFF
    return crc


def with_crc(body):
    crc = crc_modbus(body)
    return bytes(body) + bytes([crc & 0xFF, crc >> 8])


def request(function, slave, index, count):
    return bytes([FUNCTIONS.index(function), slave]) + struct.pack('>H', index + 4) + bytes([count])


def chunk(data):
    out = b''
    while data:
        out += bytes([min(len(data), 0xFC)]) + data[:0xFC]
        data = data[0xFC:]
    return out


def image_field(function, index, count, number):
    """The value or quantity field the harness's image puts in a write."""
    if function == 5:
        return 0xFF00 if (index * 37 + number) % 3 == 1 else 0
    if function == 6:
        return (0x12345 + index * 7919 + number) & 0xFFFF
    return count


def good_reply(function, slave, index, count, number=1):
    if function in (1, 2):
        n = (count + 7) // 8
        return with_crc(bytes([slave, function, n]) + bytes((i * 29) & 0xFF for i in range(n)))
    if function in (3, 4):
        return with_crc(bytes([slave, function, 2 * count])
                        + b''.join(struct.pack('>H', (i * 4111) & 0xFFFF) for i in range(count)))
    return with_crc(bytes([slave, function]) + struct.pack('>HH', BASE[function] + index,
                                                          image_field(function, index, count,
                                                                      number)))


def write(directory, name, data):
    path = os.path.join(HERE, directory)
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, name), 'wb') as f:
        f.write(data)


def modbus_seeds():
    cases = [(1, 1, 0, 22), (2, 1, 0, 5), (3, 1, 0, 22), (3, 2, 352, 15), (4, 3, 22, 9),
             (5, 1, 11, 1), (6, 1, 100, 1), (15, 2, 0, 47), (16, 1, 58, 4), (3, 1, 259, 127)]
    for function, slave, index, count in cases:
        req = request(function, slave, index, count)
        reply = good_reply(function, slave, index, count)
        tag = f'f{function}_s{slave}_i{index}_c{count}'
        write('corpus_modbus', f'{tag}_good', req + chunk(reply))
        cut = len(reply) // 2
        write('corpus_modbus', f'{tag}_split', req + chunk(reply[:cut]) + chunk(reply[cut:]))
        write('corpus_modbus', f'{tag}_exception', req + chunk(with_crc(bytes([slave, function | 0x80, 4]))))
        bad = bytearray(reply)
        bad[-1] ^= 0xFF
        write('corpus_modbus', f'{tag}_badcrc', req + chunk(bytes(bad)))
        wrong = with_crc(bytes([slave ^ 1]) + reply[1:-2])
        write('corpus_modbus', f'{tag}_wrongslave', req + chunk(wrong))
        # A late reply after a timeout, then the next request and its reply.
        req2 = request(function, slave, index, count)
        write('corpus_modbus', f'{tag}_late', req + bytes([OP_TIMEOUT]) + chunk(reply)
              + bytes([OP_REQUEST]) + req2 + chunk(good_reply(function, slave, index, count, 2)))
    # Outside the tables: refused before anything is sent.
    write('corpus_modbus', 'outside_coils', request(1, 1, 55, 10))
    write('corpus_modbus', 'outside_registers', request(3, 1, 380, 10))
    # Wrong byte count and a write that echoes another address.
    reply = bytearray(good_reply(3, 1, 0, 4))
    write('corpus_modbus', 'wrong_count', request(3, 1, 0, 4)
          + chunk(with_crc(bytes([1, 3, 6]) + bytes(reply[3:9]))))
    write('corpus_modbus', 'wrong_echo', request(16, 1, 10, 2)
          + chunk(with_crc(bytes([1, 16]) + struct.pack('>HH', 0x3001 + 11, 2))))


TAGS = [4, ord('#'), ord('B'), ord('C'), ord('G'), ord('H'), ord('I'), ord('N'), ord('O'),
        ord('R'), ord('S'), ord('T'), ord('V'), ord('W'), ord('Z'), ord('h'), ord('o'), ord('w'),
        ord('A'), 0, ord('x'), 0x80]
OP_SEND, OP_BOOT_TIMEOUT, OP_BLOCKS = 0xFF, 0xFE, 0xFD


def send(tag, how=1):
    return bytes([OP_SEND, TAGS.index(tag), how])


def block(number, fill):
    data = bytes([fill]) * 128
    crc = crc_xmodem(data)
    return bytes([1, number, 255 - number]) + data + bytes([crc >> 8, crc & 0xFF])


def boot_seeds():
    write('corpus_boot', 'connect', send(ord('#')) + chunk(b'\x80'))
    write('corpus_boot', 'erase_refused', send(ord('I')) + chunk(b'\x15'))
    write('corpus_boot', 'write_ready', send(ord('S')) + chunk(b'C'))
    write('corpus_boot', 'block_ack', send(ord('C'), 7) + chunk(b'\x06'))
    write('corpus_boot', 'eot_ack', send(4) + chunk(b'\x06'))
    write('corpus_boot', 'start', send(ord('G')) + chunk(b'G'))
    write('corpus_boot', 'timeout', send(ord('#')) + bytes([OP_BOOT_TIMEOUT]))
    echo = with_crc(bytes([1, 6]) + struct.pack('>HH', 0x3001 + 160, 0x9B47))
    write('corpus_boot', 'switch', send(ord('Z')) + chunk(echo[:3]) + chunk(echo[3:] + b'<'))
    b1, b2 = block(1, 0x11), block(2, 0x22)
    verify = (bytes([OP_BLOCKS, 2]) + send(ord('R')) + chunk(b'\x80') + send(ord('B'), 2)
              + chunk(b1[:60]) + chunk(b1[60:]) + send(ord('B'), 2) + chunk(b2)
              + send(ord('B'), 2) + chunk(b'\x04'))
    write('corpus_boot', 'verify_two_blocks', verify)
    write('corpus_boot', 'verify_wrong_number', bytes([OP_BLOCKS, 1]) + send(ord('R'))
          + chunk(b'\x80') + send(ord('B'), 2) + chunk(b2))
    write('corpus_boot', 'unknown_tag', send(ord('x'), 0) + chunk(b'\x80'))


def command_seeds():
    texts = ['1 3 0 22', '1 1 44 3', '2 16 100 10', '1 5 33', '3 6 160', '257 1 0 60',
             '1 3 2147483647 1', '-1 4 -5 3', '1 15 0 60', '1  3 0 22', '1 3 0 22 9', '']
    for i, text in enumerate(texts):
        write('corpus_command', f'text_{i}', text.encode())
    for i, fields in enumerate([(1, 3, 0, 22), (1, 16, 380, 6), (-1, 5, 59, 0),
                                (256, 15, 2147483600, 100)]):
        write('corpus_command', f'numbers_{i}', struct.pack('<4i', *fields))


if __name__ == '__main__':
    modbus_seeds()
    boot_seeds()
    command_seeds()
