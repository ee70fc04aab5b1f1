<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Dialog</name>
    <message>
        <source>Quibbix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fonts and Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take A &amp;Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word box font and colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition box font and colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Words in This Program :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words Viewed :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words Learned :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time for This Session :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Use This Program :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mistaken Words :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Sure Words :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Know Words :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learning Words :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known Words :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words in To Be Viewed List :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
