<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>Lingua</name>
    <message>
        <location filename="../platform/lingua.cpp" line="+34"/>
        <source>lingua sconosciuta: &quot;%1&quot; (lingue: %2)</source>
        <translation>unknown language: &quot;%1&quot; (languages: %2)</translation>
    </message>
</context>
</TS>
