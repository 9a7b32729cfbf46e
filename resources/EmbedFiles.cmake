# Writes a C++ source that embeds files into the module and lists them in a
# table keyed by resource type and id.
#   OUT   - the source to write
#   TYPE  - resource type of every entry
#   FILES - list of alternating ids and absolute file paths
set(decls "")
set(rows "")
set(pairs ${FILES})
list(LENGTH pairs count)
math(EXPR last "${count} - 1")
foreach(i RANGE 0 ${last} 2)
  math(EXPR j "${i} + 1")
  list(GET pairs ${i} id)
  list(GET pairs ${j} path)
  set(sym "sondrel_resource_${id}")
  string(APPEND decls
    "asm(\".section .rodata.${sym},\\\"a\\\"\\n\"\n"
    "    \".balign 16\\n\"\n"
    "    \".hidden ${sym}\\n.globl ${sym}\\n${sym}:\\n\"\n"
    "    \".incbin \\\"${path}\\\"\\n\"\n"
    "    \".hidden ${sym}_end\\n.globl ${sym}_end\\n${sym}_end:\\n\"\n"
    "    \".previous\\n\");\n"
    "extern \"C\" const unsigned char ${sym}[];\n"
    "extern \"C\" const unsigned char ${sym}_end[];\n")
  string(APPEND rows
    "        {\"${TYPE}\", ${id}, ${sym}, size_t(${sym}_end - ${sym})},\n")
endforeach()
file(WRITE "${OUT}.tmp"
  "// Generated from the files of resources/img at build time.\n"
  "#include \"EmbeddedTable.h\"\n\n"
  "${decls}\n"
  "const std::vector<EmbeddedResource>& EmbeddedTable()\n"
  "{\n"
  "    static const std::vector<EmbeddedResource> table = {\n"
  "${rows}"
  "    };\n"
  "    return table;\n"
  "}\n")
file(RENAME "${OUT}.tmp" "${OUT}")
