# Turns the help text, stored with LF line ends for readable diffs, into a C++ source whose
# text has CR (13) line ends, as the help window shows it. Run as a script:
#   cmake -DINPUT=... -DOUTPUT=... -P embed_help_text.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "0a$" "" hex "${hex}")           # no line end after the last line
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPLACE "0x0a," "0x0d," bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Made by the build from resources/help_text.txt.\n"
  "#include \"shell/help_text.h\"\n\n"
  "namespace shell {\nnamespace {\nconstexpr unsigned char kHelpText[] = {${bytes}};\n}  // namespace\n\n"
  "std::string_view HelpText() {\n"
  "  return std::string_view(reinterpret_cast<const char*>(kHelpText), sizeof kHelpText);\n"
  "}\n\n}  // namespace shell\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
