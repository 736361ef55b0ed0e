# Writes the served variant of the page into OUT (build/web/site/): the page as index.html with
# its manifest linked and allowed by its content policy, the manifest, the icons drawn from the
# desktop's icon, and the service worker that keeps them offline.
# Run as: cmake -DPAGE=... -DOUT=... -DSITE=... -DICON=... -DRSVG=... -P make_site.cmake
file(READ ${PAGE} page)
set(marker "<!-- the served variant's manifest -->")
string(FIND "${page}" "${marker}" at)
if(at LESS 0)
  message(FATAL_ERROR "${PAGE} has no place for the manifest")
endif()
string(REPLACE "${marker}" "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n<link rel=\"icon\" href=\"icons/skalor.svg\">" page "${page}")
string(REPLACE "img-src data: blob:; connect-src data:\">"
               "img-src 'self' data: blob:; connect-src 'self' data:; manifest-src 'self'; worker-src 'self'\">" page "${page}")
file(MAKE_DIRECTORY ${OUT}/icons)
file(WRITE ${OUT}/index.html "${page}")
file(COPY ${SITE}/manifest.webmanifest DESTINATION ${OUT})
file(COPY ${ICON} DESTINATION ${OUT}/icons)
foreach(size 192 512)
  execute_process(COMMAND ${RSVG} -w ${size} -h ${size} ${ICON} -o ${OUT}/icons/skalor-${size}.png
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
string(SHA256 SKALOR_PAGE_HASH "${page}")
string(SUBSTRING ${SKALOR_PAGE_HASH} 0 16 SKALOR_PAGE_HASH)
configure_file(${SITE}/sw.js.in ${OUT}/sw.js @ONLY)
