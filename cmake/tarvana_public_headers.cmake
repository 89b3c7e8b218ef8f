# The public headers: the umbrella header tarvana.h and every header it
# reaches through `#include "folder/name.h"` lines (paths from the source
# root), followed recursively. The list is read from the headers themselves,
# so a new include, or a header moved to another folder, changes it.

# Sets <out_var> to the public headers, as paths relative to <source_dir>, and
# makes configure run again when one of them changes (an include added or
# removed). An include naming no file under <source_dir> is an error.
function(tarvana_public_headers out_var source_dir)
  set(found "")
  set(pending tarvana.h)
  while(pending)
    list(POP_FRONT pending header)
    if(header IN_LIST found)
      continue()
    endif()
    if(NOT EXISTS ${source_dir}/${header})
      message(FATAL_ERROR "${header}, included by a public header, is not under ${source_dir}")
    endif()
    list(APPEND found ${header})
    file(STRINGS ${source_dir}/${header} includes REGEX "^#include \"")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
      list(APPEND pending ${included})
    endforeach()
  endwhile()
  list(TRANSFORM found PREPEND ${source_dir}/ OUTPUT_VARIABLE paths)
  set_property(DIRECTORY ${source_dir} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${paths})
  list(SORT found)
  set(${out_var} ${found} PARENT_SCOPE)
endfunction()

# Writes the public headers of <source_dir> into <out_dir> (folders kept) as
# a program outside the tree sees them: `#include "console/types.h"` becomes
# `#include <tarvana/console/types.h>`, so that <out_dir>'s parent is the only
# folder a program puts on its include path. Angle brackets, because the
# copies are found through the include path as the program's own
# `#include <tarvana/tarvana.h>` was, never beside the including header. A copy
# is written only when its text changed (nothing rebuilds needlessly), and
# copies of headers no longer public are removed.
function(tarvana_write_public_headers source_dir out_dir)
  tarvana_public_headers(headers ${source_dir})
  foreach(header ${headers})
    file(READ ${source_dir}/${header} text)
    # The leading newline lets the pattern anchor every include at a line start.
    string(REGEX REPLACE "\n#include \"([^\"]+)\"" "\n#include <tarvana/\\1>" text "\n${text}")
    string(SUBSTRING "${text}" 1 -1 text)
    set(old "")
    if(EXISTS ${out_dir}/${header})
      file(READ ${out_dir}/${header} old)
    endif()
    if(NOT old STREQUAL text)
      file(WRITE ${out_dir}/${header} "${text}")
    endif()
  endforeach()
  file(GLOB_RECURSE written RELATIVE ${out_dir} ${out_dir}/*)
  foreach(file ${written})
    if(NOT file IN_LIST headers)
      file(REMOVE ${out_dir}/${file})
    endif()
  endforeach()
endfunction()
