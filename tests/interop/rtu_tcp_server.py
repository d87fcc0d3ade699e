#!/usr/bin/python3
"""A pump stand-in written on a Modbus implementation we did not write.

Serves one slave's four tables with pymodbus, RTU framing over a raw TCP
socket on 127.0.0.1, at the wire addresses the pump uses (coils from 0x1001,
discrete inputs 0x2001, holding registers 0x3001, input registers 0x4001),
filled with random values from --seed. It prints "listening PORT" once it
accepts connections, then takes commands on standard input, one a line:

    set TABLE INDEX VALUE   change a value (TABLE: co, di, hr, ir)
    dump PATH               write every table to PATH as JSON, then print "dumped"

and ends when standard input closes.
"""

import argparse
import asyncio
import json
import random
import sys
import threading

from pymodbus.datastore import (ModbusSequentialDataBlock, ModbusServerContext,
                                ModbusSlaveContext)
from pymodbus.server.async_io import ModbusTcpServer
from pymodbus.transaction import ModbusRtuFramer

# Table name -> (pymodbus function group, wire base, size, largest value)
TABLES = {
    "co": (1, 0x1001, 60, 1),
    "di": (2, 0x2001, 16, 1),
    "hr": (3, 0x3001, 386, 0xFFFF),
    "ir": (4, 0x4001, 40, 0xFFFF),
}


def make_context(seed, slave):
    rng = random.Random(seed)
    blocks = {}
    for name, (_, base, size, top) in TABLES.items():
        blocks[name] = ModbusSequentialDataBlock(base, [rng.randint(0, top) for _ in range(size)])
    # zero_mode: the request's address is the block address, no +1.
    store = ModbusSlaveContext(di=blocks["di"], co=blocks["co"], hr=blocks["hr"],
                               ir=blocks["ir"], zero_mode=True)
    return ModbusServerContext(slaves={slave: store}, single=False)


def tables_of(context, slave):
    store = context[slave]
    out = {}
    for name, (group, base, size, _) in TABLES.items():
        out[name] = [int(v) for v in store.getValues(group, base, size)]
    return out


def serve_commands(loop, context, slave):
    store = context[slave]
    for line in sys.stdin:
        words = line.split()
        if len(words) == 4 and words[0] == "set" and words[1] in TABLES:
            group, base, size, top = TABLES[words[1]]
            index, value = int(words[2]), int(words[3])
            if 0 <= index < size and 0 <= value <= top:
                loop.call_soon_threadsafe(store.setValues, group, base + index, [value])
                continue
            print("refused " + line.strip(), flush=True)
        elif len(words) == 2 and words[0] == "dump":
            done = threading.Event()

            def dump(path=words[1]):
                with open(path, "w", encoding="utf-8") as f:
                    json.dump(tables_of(context, slave), f)
                done.set()

            loop.call_soon_threadsafe(dump)
            done.wait()
            print("dumped", flush=True)
        else:
            print("unknown " + line.strip(), flush=True)
    loop.call_soon_threadsafe(loop.stop)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--slave", type=int, default=1)
    args = parser.parse_args()

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    context = make_context(args.seed, args.slave)
    server = ModbusTcpServer(context, ModbusRtuFramer, address=("127.0.0.1", 0), loop=loop)

    async def start():
        server.server = await loop.create_server(lambda: server.handler(server), "127.0.0.1", 0)
        port = server.server.sockets[0].getsockname()[1]
        print(f"listening {port}", flush=True)

    loop.run_until_complete(start())
    threading.Thread(target=serve_commands, args=(loop, context, args.slave), daemon=True).start()
    loop.run_forever()


if __name__ == "__main__":
    main()
