<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>ColorSection</name>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="147"/>
        <source>Color Grabber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="149"/>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="150"/>
        <source>Forget every recent color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="161"/>
        <location filename="../src/sections/color/ColorSection.cpp" line="190"/>
        <source>Pick Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="169"/>
        <source>No colors sampled yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="255"/>
        <source>Picked &amp; copied </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="323"/>
        <source>Copied </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorSwatch</name>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="49"/>
        <source>Show formats for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="55"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="59"/>
        <source>Remove </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatRow</name>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="100"/>
        <source>Copy </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlyphTile</name>
    <message>
        <location filename="../src/sections/glyphs/GlyphTile.cpp" line="23"/>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphTile.cpp" line="27"/>
        <source>Remove </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlyphsSection</name>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="44"/>
        <source>Glyphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="48"/>
        <source>Search glyphs…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="49"/>
        <source>Search glyphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="58"/>
        <source>Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="72"/>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="89"/>
        <source>No glyphs found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="142"/>
        <source>Copied </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IconFinderSection</name>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="55"/>
        <source>Data URI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="57"/>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="73"/>
        <source>Icon Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="77"/>
        <source>Search 200k+ icons…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="78"/>
        <source>Search icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="83"/>
        <source>Click action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="171"/>
        <source>Search failed — </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="205"/>
        <source>No icons found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="206"/>
        <source>Type to search Lucide, Heroicons, Tabler, Material…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="239"/>
        <source>Failed — </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="252"/>
        <source>Copied </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="256"/>
        <source>Copied data URI — </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoremSection</name>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="39"/>
        <source>Lorem Ipsum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="43"/>
        <location filename="../src/sections/text/LoremSection.cpp" line="44"/>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="56"/>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="61"/>
        <source>Decrease count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="62"/>
        <source>Increase count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="81"/>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="93"/>
        <source>Regenerate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="94"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="153"/>
        <source>Copied %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuPanelView</name>
    <message>
        <location filename="../src/app/MenuPanelView.cpp" line="157"/>
        <source>Quit Tessellon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteView</name>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="71"/>
        <source>Shades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="73"/>
        <source>Copy all (CSS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="77"/>
        <source>Copy the shades as CSS custom properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="84"/>
        <source>Copied </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="97"/>
        <source>Harmony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="111"/>
        <source>Copied shade ramp as CSS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaceholderSection</name>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="56"/>
        <source>Instant Placeholders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="58"/>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="65"/>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="71"/>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="106"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="78"/>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="79"/>
        <source>Enter a custom width and height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="87"/>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="88"/>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="92"/>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="93"/>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="96"/>
        <source>Back to predefined sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="114"/>
        <source>Any text — changes the avatar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="115"/>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="116"/>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="118"/>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="120"/>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="124"/>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="127"/>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="132"/>
        <source>Copy URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="134"/>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="227"/>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="170"/>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="182"/>
        <source>Enter a valid width and height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="175"/>
        <source>Copied </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="196"/>
        <source>Download failed — </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TessellonApp</name>
    <message>
        <location filename="../src/app/TessellonApp.cpp" line="56"/>
        <location filename="../src/app/TessellonApp.cpp" line="81"/>
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
        <location filename="../src/app/TessellonApp.cpp" line="82"/>
        <source>Pick Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextToolsSection</name>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="38"/>
        <source>Text Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="48"/>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="58"/>
        <source>Paste or type text…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="95"/>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="97"/>
        <source>Sort lines alphabetically, A to Z (case-insensitive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="100"/>
        <source>Sort lines alphabetically, Z to A (case-insensitive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="102"/>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="102"/>
        <source>Sort lines by length, shortest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="105"/>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="106"/>
        <source>Trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="107"/>
        <source>Collapse repeated spaces and strip trailing whitespace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="111"/>
        <source>Remove blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="112"/>
        <source>Delete empty or whitespace-only lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="116"/>
        <source>Dedupe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="117"/>
        <source>Remove duplicate lines, keeping the first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="123"/>
        <source>e.g. ,.;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="124"/>
        <source>Characters to strip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="128"/>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="135"/>
        <source>Strip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="129"/>
        <source>Remove every character you typed in the field from the text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="139"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="140"/>
        <source>Copy the result to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="227"/>
        <source>Type the characters to remove, then press Strip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="288"/>
        <source>Copied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
