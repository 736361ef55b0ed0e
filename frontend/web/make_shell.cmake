# Writes the page's shell (OUT) from shell.html.in: the page's script, the font and the image
# archive as base64, the font's licence as HTML text.
# Run as: cmake -DIN=... -DOUT=... -DPAGE_JS=... -DFONT=... -DLICENCE=... -DIMAGES=... -P make_shell.cmake
execute_process(COMMAND base64 -w0 ${FONT} OUTPUT_VARIABLE SKALOR_FONT_BASE64 COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND base64 -w0 ${IMAGES} OUTPUT_VARIABLE SKALOR_IMAGES_BASE64 COMMAND_ERROR_IS_FATAL ANY)
file(READ ${LICENCE} SKALOR_FONT_LICENCE)
string(REPLACE "&" "&amp;" SKALOR_FONT_LICENCE "${SKALOR_FONT_LICENCE}")
string(REPLACE "<" "&lt;" SKALOR_FONT_LICENCE "${SKALOR_FONT_LICENCE}")
string(REPLACE ">" "&gt;" SKALOR_FONT_LICENCE "${SKALOR_FONT_LICENCE}")
file(READ ${PAGE_JS} SKALOR_PAGE_JS)
configure_file(${IN} ${OUT} @ONLY)
