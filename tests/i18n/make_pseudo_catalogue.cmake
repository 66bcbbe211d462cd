# Writes a test language from a catalogue: every translation is its English
# source between ⟦ and ⟧, so a text on screen without the brackets escaped
# translation. cmake -DIN=galloria_de.ts -DOUT=galloria_pseudo.ts -P ...
file(READ ${IN} catalogue)
string(REGEX REPLACE "<TS version=\"([^\"]*)\" language=\"[^\"]*\">" "<TS version=\"\\1\" language=\"C\">"
       catalogue "${catalogue}")
string(REGEX REPLACE "<source>([^<]*)</source>([ \t\r\n]*)<translation[^>]*>[^<]*</translation>"
       "<source>\\1</source>\\2<translation>⟦\\1⟧</translation>" catalogue "${catalogue}")
file(WRITE ${OUT} "${catalogue}")
