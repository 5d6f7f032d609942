# zorvane_widl(OUT_VAR idl [TYPELIB]): runs widl on an IDL file, producing a C/C++ header,
# the interface identifiers (compiled into the caller's target) and, for a library, a .tlb.
# Generated files go to ${ZORVANE_IDL_OUTPUT_DIR}, which is also the import path of later IDLs.
set(ZORVANE_IDL_OUTPUT_DIR "${CMAKE_BINARY_DIR}/idl")
file(MAKE_DIRECTORY "${ZORVANE_IDL_OUTPUT_DIR}")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(_zorvane_widl_arch -m64)
  set(_zorvane_stdole_dir /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
else()
  set(_zorvane_widl_arch -m32)
  set(_zorvane_stdole_dir /usr/lib/i386-linux-gnu/wine/i386-windows)
endif()
# widl needs the system IDL files (from Wine's development package) and stdole2.tlb.
set(ZORVANE_SYSTEM_IDL_DIR /usr/include/wine/wine/windows)

function(zorvane_widl out_var idl)
  cmake_parse_arguments(arg "TYPELIB" "" "DEPENDS" ${ARGN})
  get_filename_component(stem "${idl}" NAME_WE)
  get_filename_component(idl_abs "${idl}" ABSOLUTE)
  get_filename_component(idl_dir "${idl_abs}" DIRECTORY)
  set(out "${ZORVANE_IDL_OUTPUT_DIR}")
  set(outputs "${out}/${stem}.h" "${out}/${stem}_i.c")
  set(flags -h -H "${out}/${stem}.h" -u -U "${out}/${stem}_i.c")
  if(arg_TYPELIB)
    list(APPEND outputs "${out}/${stem}.tlb")
    list(APPEND flags -t -T "${out}/${stem}.tlb")
  endif()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${ZORVANE_WIDL} ${_zorvane_widl_arch} ${flags}
            -I "${ZORVANE_SYSTEM_IDL_DIR}" -I "${idl_dir}" -I "${PROJECT_SOURCE_DIR}/src/addin/office"
            -L "${_zorvane_stdole_dir}" -L "${out}"
            "${idl_abs}"
    DEPENDS "${idl_abs}" ${arg_DEPENDS}
    COMMENT "widl ${stem}.idl"
    VERBATIM)
  set(${out_var} ${outputs} PARENT_SCOPE)
endfunction()
