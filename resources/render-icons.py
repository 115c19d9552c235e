#!/usr/bin/env python3
"""Renders the program's SVG pictures into the PNG files the program carries.

Qt reads PNG without any plug-in, while SVG needs the Qt SVG module, which a bare system may lack; so the
SVG files are the source and the PNG files are what resources/vorlex.qrc lists. Run this after changing an
SVG file (needs librsvg and cairo, present on any desktop system):

    python3 resources/render-icons.py
"""
import ctypes
import ctypes.util
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
APP_SIZES = (16, 24, 32, 48, 64, 128, 256)
GLYPH_SIZES = (16, 32)


def load(name, soname):
    path = ctypes.util.find_library(name) or soname
    return ctypes.CDLL(path)


rsvg = load("rsvg-2", "librsvg-2.so.2")
cairo = load("cairo", "libcairo.so.2")
gobject = load("gobject-2.0", "libgobject-2.0.so.0")


class RsvgRectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_double), ("y", ctypes.c_double),
                ("width", ctypes.c_double), ("height", ctypes.c_double)]


rsvg.rsvg_handle_new_from_data.restype = ctypes.c_void_p
rsvg.rsvg_handle_new_from_data.argtypes = [ctypes.c_char_p, ctypes.c_size_t, ctypes.c_void_p]
rsvg.rsvg_handle_render_document.restype = ctypes.c_int
rsvg.rsvg_handle_render_document.argtypes = [ctypes.c_void_p, ctypes.c_void_p,
                                             ctypes.POINTER(RsvgRectangle), ctypes.c_void_p]
cairo.cairo_image_surface_create.restype = ctypes.c_void_p
cairo.cairo_image_surface_create.argtypes = [ctypes.c_int, ctypes.c_int, ctypes.c_int]
cairo.cairo_create.restype = ctypes.c_void_p
cairo.cairo_create.argtypes = [ctypes.c_void_p]
cairo.cairo_surface_write_to_png.restype = ctypes.c_int
cairo.cairo_surface_write_to_png.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
cairo.cairo_destroy.argtypes = [ctypes.c_void_p]
cairo.cairo_surface_destroy.argtypes = [ctypes.c_void_p]
gobject.g_object_unref.argtypes = [ctypes.c_void_p]


def render(svg: pathlib.Path, size: int, png: pathlib.Path) -> None:
    data = svg.read_bytes()
    handle = rsvg.rsvg_handle_new_from_data(data, len(data), None)
    if not handle:
        sys.exit(f"cannot read {svg}")
    surface = cairo.cairo_image_surface_create(0, size, size)  # CAIRO_FORMAT_ARGB32
    cr = cairo.cairo_create(surface)
    viewport = RsvgRectangle(0, 0, size, size)
    if not rsvg.rsvg_handle_render_document(handle, cr, ctypes.byref(viewport), None):
        sys.exit(f"cannot render {svg}")
    if cairo.cairo_surface_write_to_png(surface, str(png).encode()) != 0:
        sys.exit(f"cannot write {png}")
    cairo.cairo_destroy(cr)
    cairo.cairo_surface_destroy(surface)
    gobject.g_object_unref(handle)


def main() -> None:
    for size in APP_SIZES:
        render(HERE / "vorlex.svg", size, HERE / f"vorlex-{size}.png")
    for svg in sorted((HERE / "glyphs").glob("*.svg")):
        for size in GLYPH_SIZES:
            render(svg, size, svg.with_name(f"{svg.stem}-{size}.png"))


if __name__ == "__main__":
    main()
