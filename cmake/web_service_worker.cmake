# Writes OUT from TEMPLATE: the service worker that keeps the FILES of DIR, under a cache named
# by a digest of them all, so that a build that changes any file replaces the whole cache.
set(digest "")
set(list "'./'")
foreach(file ${FILES})
  file(SHA256 ${DIR}/${file} one)
  string(APPEND digest ${one})
  string(APPEND list ", '${file}'")
endforeach()
string(SHA256 digest "${digest}")
string(SUBSTRING ${digest} 0 16 ZUNDABAR_WEB_BUILD)
set(ZUNDABAR_WEB_FILES ${list})
configure_file(${TEMPLATE} ${OUT} @ONLY)
