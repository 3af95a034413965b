<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>Autostart</name>
    <message>
        <location filename="../src/app/Autostart.cpp" line="43"/>
        <source>Couldn&apos;t stop starting at login — %1 cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Autostart.cpp" line="49"/>
        <source>Couldn&apos;t start at login — %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Autostart.cpp" line="60"/>
        <source>Couldn&apos;t start at login — %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorSamplerService</name>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="75"/>
        <source>Complementary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="76"/>
        <source>Analogous ሰ°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="77"/>
        <source>Analogous +30°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="78"/>
        <source>Triadic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="500"/>
        <source>Unexpected %1 after the color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="518"/>
        <source>%1 is not a hex digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="527"/>
        <source>A hex color has 3, 4, 6 or 8 digits, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="549"/>
        <source>Not understood in %1(): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="581"/>
        <source>0 to 255, or 0% to 100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="584"/>
        <source>0 to 1, or 0% to 100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="587"/>
        <source>0% to 100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="589"/>
        <source>%1() takes a percentage here, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="592"/>
        <source>0% to 100%, or 0 to 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="595"/>
        <source>0 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="603"/>
        <source>%1 is out of range in %2(), which takes %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="614"/>
        <source>Unknown color function: %1()</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="617"/>
        <source>Missing “)” at the end of %1()</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="624"/>
        <source>%1() takes 3 values and an optional alpha, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="630"/>
        <source>oklch() takes values separated by spaces, not commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="632"/>
        <source>%1() takes commas or spaces, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="639"/>
        <source>A value is missing in %1()</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="650"/>
        <source>%1() takes one alpha after “/”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="715"/>
        <source>Not a color name or code: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorSamplerService::Contrast</name>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="432"/>
        <source>passes %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/ColorSamplerService.cpp" line="432"/>
        <source>fails %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="181"/>
        <source>Color Grabber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="183"/>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="184"/>
        <source>Forget every recent color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="194"/>
        <location filename="../src/sections/color/ColorSection.cpp" line="253"/>
        <source>Pick Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="206"/>
        <source>Type or paste a color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="207"/>
        <source>Color as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="208"/>
        <source>Hex, rgb(), hsl(), oklch() or a CSS color name. Enter adds it to the recent colors; Ctrl+V anywhere on this tab adds the color on the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="212"/>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="213"/>
        <source>Add the typed color to the recent colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="232"/>
        <source>No colors sampled yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="318"/>
        <source>Picked &amp; copied </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="340"/>
        <source>alpha %1% dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="342"/>
        <source>outside sRGB, clipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="343"/>
        <source>Added </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="463"/>
        <location filename="../src/sections/color/ColorSection.cpp" line="507"/>
        <source>Copied </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="471"/>
        <source>More formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="485"/>
        <source>rgb, space-separated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="486"/>
        <source>hsl, space-separated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="487"/>
        <source>hex, lower case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="488"/>
        <source>hex without #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="489"/>
        <source>Qt QColor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="490"/>
        <source>Flutter Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="491"/>
        <source>0x literal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorSwatch</name>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="53"/>
        <source>Show formats for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="59"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="63"/>
        <source>Remove </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="14"/>
        <source>A developer&apos;s pocket toolbox in the system tray. With no option, opens the panel of the running Tessellon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="19"/>
        <source>Opens the panel, or closes it if open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="21"/>
        <source>Opens the panel on a tab: placeholders, color, text, icons, glyphs or textTools.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="25"/>
        <source>Picks a colour from the screen and copies it, as Pick Color does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="28"/>
        <source>Quits the running Tessellon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="34"/>
        <source>
Try “tessellon --help”.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="45"/>
        <source>Unexpected argument “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="50"/>
        <source>Give one of --toggle, --tab, --pick-color and --quit at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="65"/>
        <source>Unknown tab “%1”: choose one of %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContrastButton</name>
    <message>
        <location filename="../src/sections/color/ContrastRow.cpp" line="51"/>
        <location filename="../src/sections/color/ContrastRow.cpp" line="81"/>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ContrastRow.cpp" line="60"/>
        <source>Copy </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ContrastRow.cpp" line="62"/>
        <source>%1 on %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadsFolder</name>
    <message>
        <location filename="../src/services/DownloadsFolder.cpp" line="45"/>
        <source>Refused to save under the unsafe file name “%1.%2”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/DownloadsFolder.cpp" line="49"/>
        <source>Couldn&apos;t create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatRow</name>
    <message>
        <location filename="../src/sections/color/ColorSection.cpp" line="118"/>
        <source>Copy </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlyphCatalog</name>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="19"/>
        <source>Rightwards arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="20"/>
        <source>Leftwards arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="21"/>
        <source>Upwards arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="22"/>
        <source>Downwards arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="23"/>
        <source>Left right arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="24"/>
        <source>Up down arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="25"/>
        <source>Rightwards double arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="26"/>
        <source>Leftwards double arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="27"/>
        <source>Left right double arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="28"/>
        <source>Leftwards arrow with hook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="29"/>
        <source>Rightwards arrow with hook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="30"/>
        <source>Arrow pointing up then right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="31"/>
        <source>Arrow pointing down then right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="33"/>
        <source>Clockwise open circle arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="35"/>
        <source>Anticlockwise open circle arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="38"/>
        <source>Multiplication sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="39"/>
        <source>Division sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="40"/>
        <source>Plus-minus sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="41"/>
        <source>Minus-plus sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="42"/>
        <source>Less-than or equal to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="43"/>
        <source>Greater-than or equal to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="44"/>
        <source>Not equal to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="45"/>
        <source>Almost equal to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="46"/>
        <source>Identical to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="47"/>
        <source>Infinity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="48"/>
        <source>Square root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="49"/>
        <source>N-ary summation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="50"/>
        <source>N-ary product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="51"/>
        <source>Integral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="52"/>
        <source>Partial differential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="53"/>
        <source>Greek small letter pi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="54"/>
        <source>Micro sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="55"/>
        <source>Degree sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="56"/>
        <source>Per mille sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="57"/>
        <source>Proportional to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="58"/>
        <source>Element of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="59"/>
        <source>Not an element of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="60"/>
        <source>Subset of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="61"/>
        <source>Subset of or equal to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="62"/>
        <source>For all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="63"/>
        <source>There exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="64"/>
        <source>Nabla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="65"/>
        <source>Empty set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="68"/>
        <source>Em dash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="69"/>
        <source>En dash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="70"/>
        <source>Figure dash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="71"/>
        <source>Horizontal ellipsis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="72"/>
        <source>Bullet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="73"/>
        <source>Middle dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="74"/>
        <source>Section sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="75"/>
        <source>Pilcrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="76"/>
        <source>Dagger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="77"/>
        <source>Double dagger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="78"/>
        <source>Prime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="79"/>
        <source>Double prime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="80"/>
        <source>Left double angle quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="81"/>
        <source>Right double angle quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="82"/>
        <source>Single left angle quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="83"/>
        <source>Single right angle quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="84"/>
        <source>Left double quotation mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="85"/>
        <source>Right double quotation mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="86"/>
        <source>Left single quotation mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="88"/>
        <source>Right single quotation mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="90"/>
        <source>Double low-9 quotation mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="91"/>
        <source>Inverted exclamation mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="92"/>
        <source>Inverted question mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="95"/>
        <source>Check mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="96"/>
        <source>Heavy check mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="97"/>
        <source>Ballot X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="98"/>
        <source>Heavy ballot X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="99"/>
        <source>Ballot box with check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="100"/>
        <source>Ballot box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="101"/>
        <source>Black star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="102"/>
        <source>White star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="103"/>
        <source>Black circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="104"/>
        <source>White circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="105"/>
        <source>Black diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="106"/>
        <source>White diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="107"/>
        <source>Black square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="108"/>
        <source>White square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="109"/>
        <source>Right-pointing triangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="110"/>
        <source>Left-pointing triangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="111"/>
        <source>Up-pointing triangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="112"/>
        <source>Down-pointing triangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="113"/>
        <source>Warning sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="114"/>
        <source>High voltage sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="115"/>
        <source>Circled plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="116"/>
        <source>Circled times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="119"/>
        <source>Box light horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="120"/>
        <source>Box light vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="121"/>
        <source>Box light down and right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="122"/>
        <source>Box light down and left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="123"/>
        <source>Box light up and right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="124"/>
        <source>Box light up and left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="125"/>
        <source>Box light vertical and right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="126"/>
        <source>Box light vertical and left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="127"/>
        <source>Box light down and horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="128"/>
        <source>Box light up and horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="130"/>
        <source>Box light vertical and horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="132"/>
        <source>Box double horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="133"/>
        <source>Box double vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="135"/>
        <source>Box double down and right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="138"/>
        <source>Box double down and left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="141"/>
        <source>Box double up and right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="144"/>
        <source>Box double up and left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="146"/>
        <source>Box double vertical and right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="147"/>
        <source>Box double vertical and left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="148"/>
        <source>Box double down and horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="149"/>
        <source>Box double up and horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="151"/>
        <source>Box double vertical and horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="155"/>
        <source>Dollar sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="156"/>
        <source>Cent sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="157"/>
        <source>Euro sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="158"/>
        <source>Pound sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="159"/>
        <source>Yen sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="160"/>
        <source>Bitcoin sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="161"/>
        <source>Indian rupee sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="162"/>
        <source>Won sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="163"/>
        <source>Ruble sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="164"/>
        <source>Turkish lira sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="165"/>
        <source>Hryvnia sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="166"/>
        <source>New shekel sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="167"/>
        <source>Thai baht sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="168"/>
        <source>Generic currency sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="171"/>
        <source>Copyright sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="172"/>
        <source>Registered sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="173"/>
        <source>Trade mark sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="174"/>
        <source>Service mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="175"/>
        <source>Numero sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="176"/>
        <source>Degree Celsius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="177"/>
        <source>Degree Fahrenheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="178"/>
        <source>Envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/GlyphCatalog.cpp" line="179"/>
        <source>Black telephone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlyphTile</name>
    <message>
        <location filename="../src/sections/glyphs/GlyphTile.cpp" line="31"/>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphTile.cpp" line="34"/>
        <source>Remove </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphTile.cpp" line="44"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphTile.cpp" line="46"/>
        <source>Copy as HTML entity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphTile.cpp" line="48"/>
        <source>Copy as escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphTile.cpp" line="50"/>
        <source>Copy as CSS escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphTile.cpp" line="52"/>
        <source>Copy code point</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlyphsSection</name>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="46"/>
        <source>Glyphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="50"/>
        <source>Search glyphs…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="51"/>
        <source>Search glyphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="60"/>
        <source>Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="74"/>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="93"/>
        <source>No glyphs found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="121"/>
        <source>Arrows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="123"/>
        <source>Math</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="125"/>
        <source>Punctuation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="127"/>
        <source>Marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="129"/>
        <source>Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="131"/>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="133"/>
        <source>Legal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/glyphs/GlyphsSection.cpp" line="176"/>
        <source>Copied </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <location filename="../src/services/HttpClient.cpp" line="83"/>
        <source>The reply is larger than %1, so it was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/HttpClient.cpp" line="87"/>
        <source>The request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IconFinderSection</name>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="57"/>
        <source>Data URI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="59"/>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="75"/>
        <source>Icon Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="79"/>
        <source>Search 200k+ icons…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="80"/>
        <source>Search icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="85"/>
        <source>Click action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="175"/>
        <source>Search failed — </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="215"/>
        <source>No icons found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="216"/>
        <source>Type to search Lucide, Heroicons, Tabler, Material…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="268"/>
        <source>Copy SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="270"/>
        <source>Copy data URI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="272"/>
        <source>Download SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="274"/>
        <source>Copy name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="276"/>
        <source>Copy as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="278"/>
        <source>Copy compact data URI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="288"/>
        <source>Failed — </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="291"/>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="315"/>
        <source>Copied </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="319"/>
        <source>Copied data URI — </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="325"/>
        <source>Copied compact data URI — %1, %2 bytes, %3 % smaller than base64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="334"/>
        <source>Failed — the icon could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/icons/IconFinderSection.cpp" line="338"/>
        <source>Copied %1 as PNG</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IconifyService</name>
    <message>
        <location filename="../src/services/IconifyService.cpp" line="90"/>
        <source>The search reply is not valid JSON (%1 at byte %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/IconifyService.cpp" line="96"/>
        <source>The search reply has no “icons” list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/IconifyService.cpp" line="99"/>
        <source>The search reply’s “icons” is not a list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/IconifyService.cpp" line="106"/>
        <source>The search reply’s “icons” holds something other than text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/IconifyService.cpp" line="118"/>
        <source>Couldn&apos;t build the Iconify request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/IconifyService.cpp" line="120"/>
        <source>Iconify returned HTTP %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/IconifyService.cpp" line="122"/>
        <source>Iconify returned no usable data.</source>
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
        <location filename="../src/sections/text/LoremSection.cpp" line="92"/>
        <source>Regenerate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="93"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="110"/>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="110"/>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="112"/>
        <source>Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="112"/>
        <source>Sentences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="114"/>
        <source>Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="114"/>
        <source>Paragraphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/text/LoremSection.cpp" line="160"/>
        <source>Copied %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoupeOverlay</name>
    <message>
        <location filename="../src/picking/LoupeOverlay.cpp" line="23"/>
        <source>Pick a color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuPanelView</name>
    <message>
        <location filename="../src/app/MenuPanelView.cpp" line="68"/>
        <source>Placeholders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MenuPanelView.cpp" line="69"/>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MenuPanelView.cpp" line="70"/>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MenuPanelView.cpp" line="71"/>
        <source>Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MenuPanelView.cpp" line="72"/>
        <source>Glyphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MenuPanelView.cpp" line="73"/>
        <source>Text Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MenuPanelView.cpp" line="181"/>
        <source>Quit Tessellon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteView</name>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="68"/>
        <source>Shades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="70"/>
        <source>Copy all (CSS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="71"/>
        <source>Copy the shades as CSS custom properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="78"/>
        <source>Copied </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="95"/>
        <source>Harmony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/PaletteView.cpp" line="112"/>
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
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="133"/>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="226"/>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="169"/>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="181"/>
        <source>Enter a valid width and height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="174"/>
        <source>Copied </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/placeholders/PlaceholderSection.cpp" line="195"/>
        <source>Download failed — </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaceholderService</name>
    <message>
        <location filename="../src/services/PlaceholderService.cpp" line="30"/>
        <source>Placeholder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/PlaceholderService.cpp" line="32"/>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/PlaceholderService.cpp" line="33"/>
        <source>Avatar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/PlaceholderService.cpp" line="168"/>
        <source>The image source returned HTTP %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/services/PlaceholderService.cpp" line="170"/>
        <source>Couldn&apos;t build the image URL.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenColorPicker</name>
    <message>
        <location filename="../src/picking/LoupePicker.cpp" line="50"/>
        <source>Can&apos;t pick colors: no screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/picking/ScreenColorPicker.cpp" line="17"/>
        <source>Can&apos;t pick colors: the desktop&apos;s color picker failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/picking/ScreenColorPicker.cpp" line="19"/>
        <source>Can&apos;t pick colors: the desktop&apos;s color picker is not answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/picking/ScreenColorPicker.cpp" line="22"/>
        <source>Can&apos;t pick colors here: this desktop offers no color picker</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SecondColorButton</name>
    <message>
        <location filename="../src/sections/color/ContrastRow.cpp" line="156"/>
        <source>Check against white, black or a recent color; Ctrl-click a swatch to pick it here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ContrastRow.cpp" line="171"/>
        <source>Contrast on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ContrastRow.cpp" line="195"/>
        <source>Previous Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ContrastRow.cpp" line="197"/>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ContrastRow.cpp" line="198"/>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ContrastRow.cpp" line="200"/>
        <source>Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/color/ContrastRow.cpp" line="207"/>
        <location filename="../src/sections/color/ContrastRow.cpp" line="221"/>
        <location filename="../src/sections/color/ContrastRow.cpp" line="222"/>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <location filename="../src/widgets/Spinner.cpp" line="14"/>
        <source>In progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TessellonApp</name>
    <message>
        <location filename="../src/app/TessellonApp.cpp" line="98"/>
        <location filename="../src/app/TessellonApp.cpp" line="123"/>
        <source>Open Tessellon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TessellonApp.cpp" line="100"/>
        <source>Start at Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TessellonApp.cpp" line="105"/>
        <source>Quit Tessellon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TessellonApp.cpp" line="124"/>
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
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="49"/>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="60"/>
        <source>Paste or type text…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="97"/>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="99"/>
        <source>Sort lines alphabetically, A to Z (case-insensitive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="102"/>
        <source>Sort lines alphabetically, Z to A (case-insensitive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="104"/>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="104"/>
        <source>Sort lines by length, shortest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="107"/>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="108"/>
        <source>Trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="108"/>
        <source>Collapse repeated spaces and strip trailing whitespace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="113"/>
        <source>Remove blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="113"/>
        <source>Delete empty or whitespace-only lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="118"/>
        <source>Dedupe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="118"/>
        <source>Remove duplicate lines, keeping the first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="124"/>
        <source>e.g. ,.;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="125"/>
        <source>Characters to strip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sections/textTools/TextToolsSection.cpp" line="129"/>
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
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="57"/>
        <source>Tessellon is already running but does not answer.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
