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
        <source>%n refused requests of batch %1 are sent again: each is charged when the gateway takes it this time.</source>
        <translation>
            <numerusform>%n refused requests of batch %1 are sent again: each is charged when the gateway takes it this time.</numerusform>
            <numerusform>%n refused requests of batch %1 are sent again: each is charged when the gateway takes it this time.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n requests of batch %1 that got no clear answer are sent again. The gateway may have sent them already: their recipients may get them twice, and each is paid again.</source>
        <translation>
            <numerusform>%n requests of batch %1 that got no clear answer are sent again. The gateway may have sent them already: their recipients may get them twice, and each is paid again.</numerusform>
            <numerusform>%n requests of batch %1 that got no clear answer are sent again. The gateway may have sent them already: their recipients may get them twice, and each is paid again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Batch %1 is closed: %n queued requests will not be sent; History keeps the rest as they are.</source>
        <translation>
            <numerusform>Batch %1 is closed: %n queued requests will not be sent; History keeps the rest as they are.</numerusform>
            <numerusform>Batch %1 is closed: %n queued requests will not be sent; History keeps the rest as they are.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recipients have no value for a field of the message:%1
Give --missing empty to send the message with the field left empty, or --missing skip to leave them out.</source>
        <translation>
            <numerusform>%n recipients have no value for a field of the message:%1
Give --missing empty to send the message with the field left empty, or --missing skip to leave them out.</numerusform>
            <numerusform>%n recipients have no value for a field of the message:%1
Give --missing empty to send the message with the field left empty, or --missing skip to leave them out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n messages are over %1 characters once filled in:%2
Give --too-long send to send them as they are (in more parts), or --too-long skip to leave them out.</source>
        <translation>
            <numerusform>%n messages are over %1 characters once filled in:%2
Give --too-long send to send them as they are (in more parts), or --too-long skip to leave them out.</numerusform>
            <numerusform>%n messages are over %1 characters once filled in:%2
Give --too-long send to send them as they are (in more parts), or --too-long skip to leave them out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 (%3 SMS, %4, %n credits)</source>
        <translation>
            <numerusform>%1: %2 (%3 SMS, %4, %n credits)</numerusform>
            <numerusform>%1: %2 (%3 SMS, %4, %n credits)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Batch %1, %n requests: %2 accepted, %3 refused, %4 unknown, %5 queued</source>
        <translation>
            <numerusform>Batch %1, %n requests: %2 accepted, %3 refused, %4 unknown, %5 queued</numerusform>
            <numerusform>Batch %1, %n requests: %2 accepted, %3 refused, %4 unknown, %5 queued</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n being sent</source>
        <translation>
            <numerusform>, %n being sent</numerusform>
            <numerusform>, %n being sent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n credits spent</source>
        <translation>
            <numerusform>; %n credits spent</numerusform>
            <numerusform>; %n credits spent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n requests of batch %1 got no clear answer: they may have been sent. Check your balance; pelicast-send never sends them again on its own (--resend-unknown %1 does, at the risk of sending them twice).</source>
        <translation>
            <numerusform>%n requests of batch %1 got no clear answer: they may have been sent. Check your balance; pelicast-send never sends them again on its own (--resend-unknown %1 does, at the risk of sending them twice).</numerusform>
            <numerusform>%n requests of batch %1 got no clear answer: they may have been sent. Check your balance; pelicast-send never sends them again on its own (--resend-unknown %1 does, at the risk of sending them twice).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n requests of batch %1 are still queued: pelicast-send --continue %1 sends them.</source>
        <translation>
            <numerusform>%n requests of batch %1 are still queued: pelicast-send --continue %1 sends them.</numerusform>
            <numerusform>%n requests of batch %1 are still queued: pelicast-send --continue %1 sends them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts of the address book cannot be read; members of &quot;%1&quot; among them are left out.</source>
        <translation>
            <numerusform>%n contacts of the address book cannot be read; members of &quot;%1&quot; among them are left out.</numerusform>
            <numerusform>%n contacts of the address book cannot be read; members of &quot;%1&quot; among them are left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would send from %1 as %2 to %n recipients:
</source>
        <translation>
            <numerusform>Would send from %1 as %2 to %n recipients:
</numerusform>
            <numerusform>Would send from %1 as %2 to %n recipients:
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Batch %1 pauses for the quiet hours: its %n queued requests go at %2.</source>
        <translation>
            <numerusform>Batch %1 pauses for the quiet hours: its %n queued request goes at %2.</numerusform>
            <numerusform>Batch %1 pauses for the quiet hours: its %n queued requests go at %2.</numerusform>
        </translation>
    </message>
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
<context>
    <name>pelicast::ScheduledWindow</name>
    <message numerus="yes">
        <source>Cancel the %n messages to %1 at %2? None of them will be sent.</source>
        <translation>
            <numerusform>Cancel the message to %1 at %2? It will not be sent.</numerusform>
            <numerusform>Cancel the %n messages to %1 at %2? None of them will be sent.</numerusform>
        </translation>
    </message>
</context>
</TS>
