<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>MenuPanelView</name>
    <message>
        <location filename="../src/app/MenuPanelView.cpp" line="158"/>
        <source>Quit Tessellon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TessellonApp</name>
    <message>
        <location filename="../src/app/TessellonApp.cpp" line="56"/>
        <location filename="../src/app/TessellonApp.cpp" line="82"/>
        <source>Open Tessellon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TessellonApp.cpp" line="58"/>
        <source>Start at Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TessellonApp.cpp" line="63"/>
        <source>Quit Tessellon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TessellonApp.cpp" line="83"/>
        <source>Pick Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
