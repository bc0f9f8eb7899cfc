# Writes the page's service worker from its source, run as a build step:
#   cmake -DPAGE_DIR=... -DSOURCE=... -DFILES="a;b" -P ServiceWorker.cmake
# Each file of the page gets its SHA-256, and the version is a hash of
# them all, so any change to any file makes a new version, and the worker
# can check that it fetched exactly the files of its version.
set(files_json "")
foreach(file IN LISTS FILES)
  file(SHA256 ${PAGE_DIR}/${file} hash)
  if(files_json)
    string(APPEND files_json ",")
  endif()
  string(APPEND files_json "\"${file}\":\"${hash}\"")
endforeach()
set(files_json "{${files_json}}")
string(SHA256 version "${files_json}")
string(SUBSTRING ${version} 0 16 version)
file(READ ${SOURCE} worker)
string(REPLACE "@QUOVADRIN_PAGE_VERSION@" "${version}" worker "${worker}")
string(REPLACE "@QUOVADRIN_PAGE_FILES@" "${files_json}" worker "${worker}")
file(WRITE ${PAGE_DIR}/service_worker.js.new "${worker}")
# Rewritten only on a change, so an unchanged page keeps its version.
file(COPY_FILE ${PAGE_DIR}/service_worker.js.new ${PAGE_DIR}/service_worker.js ONLY_IF_DIFFERENT)
file(REMOVE ${PAGE_DIR}/service_worker.js.new)
