# Writes the file IN as a C++ raw string literal into OUT.
file(READ ${IN} text)
file(WRITE ${OUT} "R\"table(${text})table\"\n")
