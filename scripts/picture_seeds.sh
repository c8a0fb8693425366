#!/usr/bin/env bash
# Makes the seeds of picture_decoder_fuzzer: small pictures drawn by
# ImageMagick's convert in the formats and layouts the decoders read, each
# behind the fuzzer's three control bytes and wrapped as a picture property
# (class name, stream length, stream).
#
#   scripts/picture_seeds.sh [DIRECTORY]     (default fuzz/seeds/pictures)
set -eu -o pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/fuzz/seeds/pictures}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# A 12 x 9 picture: a red to blue gradient with a green square and a
# half-transparent corner, so every format has colour, edges and alpha to keep.
convert -size 12x9 gradient:red-blue -fill '#30C050' -draw 'rectangle 3,2 7,6' \
  -alpha set -region 4x3+8+6 -channel A -evaluate set 50% +channel +region "$work/base.png"

byte() { printf "\\$(printf %03o "$1")"; }
le16() { byte $(($1 & 255)); byte $(($1 >> 8 & 255)); }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16)); }

# wrap NAME CONTROL CLASS FILE [nolength]: CONTROL is width, height, options.
wrap() {
  local name=$1 class=$3 file=$4
  read -r width height options <<<"$2"
  {
    byte "$width"; byte "$height"; byte "$options"
    byte ${#class}; printf %s "$class"
    [ "${5:-}" = nolength ] || le32 "$(wc -c <"$file")"
    cat "$file"
  } >"$out/$name"
}

# picture FORMAT NAME [OPTION ...]: the base picture converted into $work/NAME.
picture() { convert "$work/base.png" "${@:3}" "$1:$work/$2"; }

picture BMP3 bitmap_1bit.bmp -alpha off -type bilevel
picture BMP3 bitmap_4bit.bmp -alpha off -colors 12 -type palette
picture BMP3 bitmap_8bit.bmp -alpha off -type palette
picture BMP bitmap_565.bmp -alpha off -define bmp:subtype=RGB565
picture BMP3 bitmap_24bit.bmp -alpha off -type truecolor
picture BMP bitmap_32bit_v5.bmp
picture JPEG jpeg_baseline.jpg -alpha off -quality 90
picture JPEG jpeg_progressive.jpg -alpha off -interlace JPEG
picture JPEG jpeg_grey.jpg -alpha off -colorspace Gray
picture JPEG jpeg_cmyk.jpg -alpha off -colorspace CMYK
picture PNG32 png_rgba.png
picture PNG8 png_palette.png
picture PNG png_grey_alpha.png -colorspace Gray
picture PNG64 png_interlaced_16bit.png -interlace PNG
picture ICO icon_two_sizes.ico \( -clone 0 -resize 16x16! \) \( -clone 0 -resize 8x8! \) -delete 0

# An icon whose only image is a PNG file.
png_size=$(wc -c <"$work/png_rgba.png")
{ le16 0; le16 1; le16 1; byte 12; byte 9; byte 0; byte 0; le16 1; le16 32
  le32 "$png_size"; le32 22; cat "$work/png_rgba.png"; } >"$work/icon_png.ico"

wrap bitmap_1bit "20 20 0" TBitmap "$work/bitmap_1bit.bmp"
wrap bitmap_4bit "6 6 4" TBitmap "$work/bitmap_4bit.bmp"
wrap bitmap_8bit "30 10 1" TBitmap "$work/bitmap_8bit.bmp"
wrap bitmap_565 "24 18 3" TBitmap "$work/bitmap_565.bmp"
wrap bitmap_24bit "12 9 0" TBitmap "$work/bitmap_24bit.bmp"
wrap bitmap_32bit_v5 "40 40 7" TBitmap "$work/bitmap_32bit_v5.bmp"
wrap jpeg_baseline "32 24 7" TJPEGImage "$work/jpeg_baseline.jpg"
wrap jpeg_progressive "5 5 2" TJPEGImage "$work/jpeg_progressive.jpg"
wrap jpeg_grey "12 9 4" TJPEGImage "$work/jpeg_grey.jpg"
wrap jpeg_cmyk "20 30 3" TJPEGImage "$work/jpeg_cmyk.jpg"
wrap png_rgba "33 17 5" TPngImage "$work/png_rgba.png"
wrap png_palette "12 9 0" TPNGObject "$work/png_palette.png"
wrap png_grey_alpha "8 8 2" TPngImage "$work/png_grey_alpha.png"
wrap png_interlaced_16bit "50 3 1" TPngImage "$work/png_interlaced_16bit.png"
wrap png_without_length "12 9 0" TPngImage "$work/png_rgba.png" nolength
wrap icon_two_sizes "32 32 4" TIcon "$work/icon_two_sizes.ico"
wrap icon_png "16 16 1" TIcon "$work/icon_png.ico"
printf '\1\0\0\0 EMF' >"$work/metafile.emf"
wrap metafile "10 10 0" TMetafile "$work/metafile.emf"
