<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A translation for the test of the mechanism: one text, in German. -->
<TS version="2.1" language="de">
<context>
    <name>MenuPanelView</name>
    <message>
        <source>Quit Tessellon</source>
        <translation>Tessellon beenden</translation>
    </message>
</context>
</TS>
