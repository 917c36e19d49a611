# The cases every real-window test types, whatever the window (the Qt window
# and the Windows program): the first plantation of the worked examples, and
# its six results as shown with the full stop as decimal separator.
WORKED_HECTARES=10
WORKED_DISTANCE=7
WORKED_RESULTS=(204.082 2040.82 0.48 979.59 4778.5 96)
# A distance that reads as 0: the calculation refuses it and says so in a box.
REFUSED_DISTANCE="0 m"
REFUSAL_TITLE="Programa de Rurorovirora"
# Buttons, in twips within the window: left top width height.
CALCULAR_TWIPS=(3240 5280 1575 495)
ABOUT_TWIPS=(1560 6000 1095 375)
ABOUT_TITLE="Programa de Rurorovirora ver 3.1"
# The option buttons "Marco Real" and "Rectangular ", and the diameter list.
OPTION1_TWIPS=(840 1320 1215 255)
OPTION2_TWIPS=(840 2520 1215 255)
COMBO_TWIPS=(3120 3720 600 315)
# The worked example's plantation planted "Tresbolillo": its trees per hectare.
TRIANGULAR_DENSITY=235.653
