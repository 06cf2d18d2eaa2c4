# Compiles the model catalogue into the device library as one text constant.
# Usage: cmake -DINPUT=models.json -DOUTPUT=ModelCatalogueData.cpp -P embed-catalogue.cmake
file(READ "${INPUT}" text)
string(FIND "${text}" ")orvane_catalogue\"" clash)
if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${INPUT} holds the raw-string delimiter")
endif()
file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}; edit that file instead.\n"
    "extern const char* const orvaneModelCatalogueJson;\n"
    "const char* const orvaneModelCatalogueJson = R\"orvane_catalogue(${text})orvane_catalogue\";\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
