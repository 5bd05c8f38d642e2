"""A pointer device for a wlroots compositor, made through its virtual pointer
protocol with nothing but libwayland-client. A headless compositor has no
input devices, so its seat offers clients no pointer and they never hear of
the seat's cursor; while this pointer exists the seat has one, and the
compositor's own cursor commands (swaymsg seat - cursor ...) reach the
windows. It only has to exist: nothing is sent through it."""
import ctypes
from ctypes import POINTER, c_char_p, c_int, c_uint32, c_void_p


class Interface(ctypes.Structure): pass


class Message(ctypes.Structure):
    _fields_ = [("name", c_char_p), ("signature", c_char_p),
                ("types", POINTER(POINTER(Interface)))]


Interface._fields_ = [("name", c_char_p), ("version", c_int),
                      ("method_count", c_int), ("methods", POINTER(Message)),
                      ("event_count", c_int), ("events", POINTER(Message))]


class Argument(ctypes.Union):
    _fields_ = [("u", c_uint32), ("s", c_char_p), ("o", c_void_p)]


def _interface(name, requests):
    """An interface as wayland-scanner would describe it, requests only:
    (name, signature, types of its object arguments or None)."""
    messages = (Message * len(requests))()
    kept = []
    for index, (request, signature, types) in enumerate(requests):
        array = (POINTER(Interface) * max(1, len(types)))(*types)
        kept.append(array)
        messages[index] = Message(request.encode(), signature.encode(), array)
    interface = Interface(name.encode(), 1, len(requests), messages, 0, None)
    interface.kept = (messages, kept)
    return interface


class VirtualPointer:
    """Raises OSError when there is no compositor or it has no such protocol."""

    def __init__(self, socket_path):
        wl = self.wl = ctypes.CDLL("libwayland-client.so.0")
        wl.wl_display_connect.restype = c_void_p
        wl.wl_display_connect.argtypes = [c_char_p]
        wl.wl_proxy_marshal_array_flags.restype = c_void_p
        wl.wl_proxy_marshal_array_flags.argtypes = [
            c_void_p, c_uint32, c_void_p, c_uint32, c_uint32, POINTER(Argument)]
        wl.wl_proxy_add_listener.argtypes = [c_void_p, c_void_p, c_void_p]
        wl.wl_display_roundtrip.argtypes = [c_void_p]
        wl.wl_display_disconnect.argtypes = [c_void_p]
        none = POINTER(Interface)()
        seat = ctypes.pointer(Interface.in_dll(wl, "wl_seat_interface"))
        registry_interface = ctypes.pointer(Interface.in_dll(wl, "wl_registry_interface"))
        self.pointer_interface = _interface("zwlr_virtual_pointer_v1", [
            ("motion", "uff", [none] * 3), ("motion_absolute", "uuuuu", [none] * 5),
            ("button", "uuu", [none] * 3), ("axis", "uuf", [none] * 3), ("frame", "", []),
            ("axis_source", "u", [none]), ("axis_stop", "uu", [none] * 2),
            ("axis_discrete", "uufi", [none] * 4), ("destroy", "", [])])
        self.manager_interface = _interface("zwlr_virtual_pointer_manager_v1", [
            ("create_virtual_pointer", "?on", [seat, ctypes.pointer(self.pointer_interface)]),
            ("destroy", "", [])])

        self.display = wl.wl_display_connect(socket_path.encode())
        if not self.display: raise OSError(f"cannot connect to {socket_path}")
        registry = self._request(self.display, 1, registry_interface, Argument(o=None))
        names = {}
        global_type = ctypes.CFUNCTYPE(None, c_void_p, c_void_p, c_uint32, c_char_p, c_uint32)
        remove_type = ctypes.CFUNCTYPE(None, c_void_p, c_void_p, c_uint32)
        self.callbacks = (global_type(lambda data, proxy, name, interface, version:
                                      names.setdefault(interface.decode(), name)),
                          remove_type(lambda data, proxy, name: None))
        self.listener = (c_void_p * 2)(*(ctypes.cast(c, c_void_p) for c in self.callbacks))
        wl.wl_proxy_add_listener(registry, self.listener, None)
        wl.wl_display_roundtrip(self.display)
        missing = {"wl_seat", "zwlr_virtual_pointer_manager_v1"} - names.keys()
        if missing: raise OSError(f"the compositor offers no {', '.join(sorted(missing))}")

        def bind(name, interface):
            return self._request(registry, 0, interface, Argument(u=names[name]),
                                 Argument(s=interface.contents.name), Argument(u=1),
                                 Argument(o=None))
        seat_proxy = bind("wl_seat", seat)
        manager = bind("zwlr_virtual_pointer_manager_v1", ctypes.pointer(self.manager_interface))
        self._request(manager, 0, ctypes.pointer(self.pointer_interface),
                      Argument(o=seat_proxy), Argument(o=None))
        if wl.wl_display_roundtrip(self.display) < 0:
            raise OSError("the compositor refused the virtual pointer")

    def _request(self, proxy, opcode, interface, *arguments):
        array = (Argument * len(arguments))(*arguments)
        return self.wl.wl_proxy_marshal_array_flags(proxy, opcode, interface, 1, 0, array)

    def close(self):
        self.wl.wl_display_disconnect(self.display)
