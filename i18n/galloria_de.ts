<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CBettingWindowDlg</name>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Of Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse(s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FinishMargins</name>
    <message>
        <source>1st to 2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd to 3rd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria</name>
    <message>
        <source>RE&amp;PLAY A RACE...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::COptionsDlg</name>
    <message>
        <source>Slow-motion finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CReplayListDlg</name>
    <message>
        <source>Race %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay A Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a race of this set to watch again. Any key stops the replay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CVarnView</name>
    <message>
        <source>Galloria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race %1 again: the finish photos. Press any key to go back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
