# A pointer device for a wlroots compositor, made through its virtual pointer
# protocol, spoken on the Wayland socket itself. A headless compositor has no
# input devices, so its seat offers clients no pointer and they never hear of
# the seat's cursor; while this pointer exists the seat has one, and the
# compositor's own cursor commands (swaymsg seat - cursor ...) reach the
# windows. It only has to exist: nothing is sent through it.
import socket, struct


class VirtualPointer:
    def __init__(self, path):  # OSError when the compositor will not make one
        self.socket = socket.socket(socket.AF_UNIX)
        self.socket.settimeout(10)
        self.socket.connect(path)
        self.send(1, 1, 2)  # wl_display.get_registry: object 2
        offered = {body[8:7 + length].decode(): name for obj, opcode, body in self.roundtrip(3)
                   if obj == 2 and opcode == 0 for name, length in [struct.unpack_from("II", body)]}
        for new, interface in ((4, "wl_seat"), (5, "zwlr_virtual_pointer_manager_v1")):
            if interface not in offered: raise OSError(f"the compositor offers no {interface}")
            self.send(2, 0, offered[interface], interface, 1, new)  # wl_registry.bind
        self.send(5, 0, 4, 6)  # create_virtual_pointer on the seat: object 6
        if any(obj == 1 and opcode == 0 for obj, opcode, _ in self.roundtrip(7)):  # wl_display.error
            raise OSError("the compositor refused the virtual pointer")

    def send(self, obj, opcode, *args):  # numbers and strings
        body = b"".join(struct.pack("I", a) if isinstance(a, int) else
                        struct.pack("I", len(a) + 1) + a.encode() + b"\0" * (4 - len(a) % 4) for a in args)
        self.socket.sendall(struct.pack("II", obj, (8 + len(body)) << 16 | opcode) + body)

    def roundtrip(self, callback):  # the events up to the end of a wl_display.sync
        self.send(1, 0, callback)
        events, data = [], b""
        while callback not in (obj for obj, _, _ in events):
            if not (chunk := self.socket.recv(65536)): raise OSError("the compositor hung up")
            data += chunk
            while len(data) >= 8 and len(data) >= (size := struct.unpack_from("II", data)[1] >> 16):
                events.append((struct.unpack_from("I", data)[0], struct.unpack_from("II", data)[1] & 0xFFFF,
                               data[8:size]))
                data = data[size:]
        return events
