# Writes the page's shell (OUT) from shell.html.in: the page's script, the font and the image
# archives as base64, the font's licence as HTML text.
# Run as: cmake -DIN=... -DOUT=... -DPAGE_JS=... -DFONT=... -DLICENCE=... -DIMAGES=... -P make_shell.cmake
# The font gzip'd (half its size): the page unpacks it itself, after its first frame.
get_filename_component(out_dir ${OUT} DIRECTORY)
file(ARCHIVE_CREATE OUTPUT ${out_dir}/font.ttf.gz PATHS ${FONT} FORMAT raw COMPRESSION GZip COMPRESSION_LEVEL 9 MTIME 0)
execute_process(COMMAND base64 -w0 ${out_dir}/font.ttf.gz OUTPUT_VARIABLE SKALOR_FONT_BASE64 COMMAND_ERROR_IS_FATAL ANY)
# IMAGES: the image archives, images-K.tar.gz, one a scale; each becomes a block of the page
# that names its scale.
set(SKALOR_IMAGES "")
foreach(archive IN LISTS IMAGES)
  string(REGEX REPLACE ".*images-([0-9]+)\\.tar\\.gz$" "\\1" scale "${archive}")
  execute_process(COMMAND base64 -w0 ${archive} OUTPUT_VARIABLE data COMMAND_ERROR_IS_FATAL ANY)
  string(APPEND SKALOR_IMAGES "<script type=\"application/octet-stream\" class=\"skalor-images\" data-scale=\"${scale}\">${data}</script>\n")
endforeach()
file(READ ${LICENCE} SKALOR_FONT_LICENCE)
string(REPLACE "&" "&amp;" SKALOR_FONT_LICENCE "${SKALOR_FONT_LICENCE}")
string(REPLACE "<" "&lt;" SKALOR_FONT_LICENCE "${SKALOR_FONT_LICENCE}")
string(REPLACE ">" "&gt;" SKALOR_FONT_LICENCE "${SKALOR_FONT_LICENCE}")
file(READ ${PAGE_JS} SKALOR_PAGE_JS)
configure_file(${IN} ${OUT} @ONLY)
