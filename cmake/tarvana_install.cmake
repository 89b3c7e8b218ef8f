# Installing the toolbox: the subsystem libraries, the public headers under
# include/tarvana/ (folders kept: <tarvana/ui/menus.h>), a CMake package giving
# tarvana::tarvana, and a pkg-config file. Programs put only include/ on their
# path, so the toolbox's folder names never meet their own.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(TARVANA_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/tarvana)

install(TARGETS tarvana ${TARVANA_MODULES} EXPORT tarvanaTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT tarvanaTargets NAMESPACE tarvana:: DESTINATION ${TARVANA_INSTALL_CMAKEDIR})

# The public headers' copies, their includes rewritten to <tarvana/...>
# (cmake/tarvana_public_headers.cmake); the other headers stay in the tree.
install(DIRECTORY ${PROJECT_BINARY_DIR}/include/tarvana DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_SOURCE_DIR}/TVTools.LST ${PROJECT_SOURCE_DIR}/README.md
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/tarvanaConfig.cmake.in
  ${PROJECT_BINARY_DIR}/tarvanaConfig.cmake INSTALL_DESTINATION ${TARVANA_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tarvanaConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/tarvanaConfig.cmake
  ${PROJECT_BINARY_DIR}/tarvanaConfigVersion.cmake DESTINATION ${TARVANA_INSTALL_CMAKEDIR})

# pkg-config links static libraries in order: each before the ones it uses.
set(tarvana_link_order "")
function(tarvana_visit_module lib)
  if(lib IN_LIST tarvana_link_order)
    return()
  endif()
  get_target_property(deps ${lib} INTERFACE_LINK_LIBRARIES)
  foreach(dep ${deps})
    if(dep IN_LIST TARVANA_MODULES)
      tarvana_visit_module(${dep})
    endif()
  endforeach()
  set(tarvana_link_order ${lib} ${tarvana_link_order} PARENT_SCOPE)
endfunction()
foreach(module ${TARVANA_MODULES})
  tarvana_visit_module(${module})
endforeach()
set(TARVANA_PC_LIBS "")
foreach(lib ${tarvana_link_order})
  get_target_property(type ${lib} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    string(APPEND TARVANA_PC_LIBS " -l${lib}")
  endif()
endforeach()
# The system libraries the static ones need (the terminal database).
if(TARVANA_PC_EXTRA_LIBS)
  string(APPEND TARVANA_PC_LIBS " ${TARVANA_PC_EXTRA_LIBS}")
endif()
# The file finds the prefix from its own place, so that it stays right under
# any prefix given to cmake --install.
file(RELATIVE_PATH TARVANA_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" TARVANA_PC_TO_PREFIX ${TARVANA_PC_TO_PREFIX})
configure_file(${PROJECT_SOURCE_DIR}/cmake/tarvana.pc.in ${PROJECT_BINARY_DIR}/tarvana.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tarvana.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
