#!/usr/bin/python3
"""embed_resources.py OUT_CPP PAGE_DIR RESOURCES_DIR: writes the C++ source that holds what
the catalogue program carries: the page template sealed from its sources in PAGE_DIR
(seal_template.py), the lister's three fonts, and its banner and goods bitmaps
(RESOURCES_DIR, made by lister/resources/make_resources.py) converted to PNG."""
import io
import pathlib
import sys

from PIL import Image

FONTS = (("kFontText", "text-regular.ttf"), ("kFontTextBold", "text-bold.ttf"),
         ("kFontDisplay", "display.ttf"))


def Png(bitmap):
    with Image.open(bitmap) as image:
        out = io.BytesIO()
        image.convert("RGB").save(out, "PNG", optimize=True)
        return out.getvalue()


def Array(name, data):
    """An array of the bytes, 20 to a line; one zero byte more keeps an empty file legal."""
    rows = [",".join(str(b) for b in data[i:i + 20]) for i in range(0, len(data), 20)]
    return (f"const unsigned char {name}[] = {{\n" + ",\n".join(rows + ["0"]) + "};\n")


def main():
    out, page, resources = (pathlib.Path(a) for a in sys.argv[1:4])
    sys.path.insert(0, str(page))
    import seal_template
    files = [("kPageTemplate", seal_template.SealedTemplate(page).encode())]
    files += [(name, (resources / file).read_bytes()) for name, file in FONTS]
    files.append(("kBannerPng", Png(resources / "banner.bmp")))
    goods = [(bitmap.stem.upper(), Png(bitmap))
             for bitmap in sorted((resources / "goods").glob("*.bmp"))]

    parts = ["// Made by katalog/embed_resources.py at build time.\n",
             '#include "embedded_resources.h"\n\nnamespace katalog {\nnamespace {\n']
    for name, data in files:
        parts.append(Array(name + "Bytes", data))
    for name, data in goods:
        parts.append(Array("kGoods" + name, data))
    parts.append("}  // namespace\n\n")
    for name, data in files:
        parts.append(f"const EmbeddedFile {name} = {{{name}Bytes, {len(data)}}};\n")
    parts.append("const GoodsPictureFile kGoodsPictures[] = {\n")
    parts += [f'  {{"{name}", {{kGoods{name}, {len(data)}}}}},\n' for name, data in goods]
    parts.append("};\n")
    parts.append(f"const std::size_t kGoodsPictureCount = {len(goods)};\n\n}}  // namespace katalog\n")
    out.write_text("".join(parts))


if __name__ == "__main__":
    main()
