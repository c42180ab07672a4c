<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BatchPlan</name>
    <message numerus="yes">
        <source>%n messages</source>
        <translation>
            <numerusform>%n message</numerusform>
            <numerusform>%n messages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n SMS</source>
        <translation>
            <numerusform>%n SMS</numerusform>
            <numerusform>%n SMS</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n credits</source>
        <translation>
            <numerusform>%n credit</numerusform>
            <numerusform>%n credits</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContactImport</name>
    <message numerus="yes">
        <source>Added %n contacts, skipped %1 already in the address book.</source>
        <translation>
            <numerusform>Added %n contacts, skipped %1 already in the address book.</numerusform>
            <numerusform>Added %n contacts, skipped %1 already in the address book.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContactsTool</name>
    <message numerus="yes">
        <source>Exported %n contacts to %1.</source>
        <translation>
            <numerusform>Exported %n contacts to %1.</numerusform>
            <numerusform>Exported %n contacts to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message numerus="yes">
        <source>%n messages</source>
        <translation>
            <numerusform>%n message</numerusform>
            <numerusform>%n messages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n credits</source>
        <translation>
            <numerusform>%n credit</numerusform>
            <numerusform>%n credits</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SendEstimate</name>
    <message numerus="yes">
        <source>You will send sms to %n recipients.<byte value="xd"/>
It will cost You %1 credits %2.<byte value="xd"/>
Do you wish to continue ?</source>
        <translation>
            <numerusform>You will send sms to %n recipients.<byte value="xd"/>
It will cost You %1 credits %2.<byte value="xd"/>
Do you wish to continue ?</numerusform>
            <numerusform>You will send sms to %n recipients.<byte value="xd"/>
It will cost You %1 credits %2.<byte value="xd"/>
Do you wish to continue ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::EncodingLine</name>
    <message numerus="yes">
        <source>%n SMS · Unicode (%1 per SMS)</source>
        <translation>
            <numerusform>%n SMS · Unicode (%1 per SMS)</numerusform>
            <numerusform>%n SMS · Unicode (%1 per SMS)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n SMS · GSM 7-bit</source>
        <translation>
            <numerusform>%n SMS · GSM 7-bit</numerusform>
            <numerusform>%n SMS · GSM 7-bit</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::MainWindow</name>
    <message numerus="yes">
        <source>%n characters left</source>
        <translation>
            <numerusform>%n characters left</numerusform>
            <numerusform>%n characters left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::MessageTextEdit</name>
    <message numerus="yes">
        <source>Characters left out: %n. A message holds at most %1 characters.</source>
        <translation>
            <numerusform>Characters left out: %n. A message holds at most %1 characters.</numerusform>
            <numerusform>Characters left out: %n. A message holds at most %1 characters.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::RecipientPicker</name>
    <message numerus="yes">
        <source>%n contacts of the ticked groups could not be read and were left out.</source>
        <translation>
            <numerusform>%n contact of the ticked groups could not be read and was left out.</numerusform>
            <numerusform>%n contacts of the ticked groups could not be read and were left out.</numerusform>
        </translation>
    </message>
</context>
</TS>
