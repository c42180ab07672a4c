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
    <name>pelicast::BatchPreviewDialog</name>
    <message numerus="yes">
        <source>%n recipient(s) of the list get no message (repeated numbers, numbers that are not possible, empty cells).</source>
        <translation>
            <numerusform>%n recipient of the list gets no message (a repeated number, a number that is not possible, an empty cell).</numerusform>
            <numerusform>%n recipients of the list get no message (repeated numbers, numbers that are not possible, empty cells).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n message(s) lack the value of a field for their recipient. Send them with the field left empty, or skip those recipients?</source>
        <translation>
            <numerusform>%n message lacks the value of a field for its recipient. Send it with the field left empty, or skip that recipient?</numerusform>
            <numerusform>%n messages lack the value of a field for their recipient. Send them with the field left empty, or skip those recipients?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n message(s) are over the %1 characters of the message field. As they are, they take %2 SMS and cost %3 credits. Send them as they are, or skip them?</source>
        <translation>
            <numerusform>%n message is over the %1 characters of the message field. As it is, it takes %2 SMS and costs %3 credits. Send it as it is, or skip it?</numerusform>
            <numerusform>%n messages are over the %1 characters of the message field. As they are, they take %2 SMS and cost %3 credits. Send them as they are, or skip them?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::BatchProgressDialog</name>
    <message numerus="yes">
        <source>about %n second(s)</source>
        <translation>
            <numerusform>about %n second</numerusform>
            <numerusform>about %n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s)</source>
        <translation>
            <numerusform>about %n minute</numerusform>
            <numerusform>about %n minutes</numerusform>
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
    <name>pelicast::UnfinishedBatchesDialog</name>
    <message numerus="yes">
        <source>The gateway refused %n request(s) of this batch, so their recipients got nothing. Sent again, they are paid for if the gateway takes them now; History shows why they were refused. Send them again?</source>
        <translation>
            <numerusform>The gateway refused %n request of this batch, so its recipients got nothing. Sent again, it is paid for if the gateway takes it now; History shows why it was refused. Send it again?</numerusform>
            <numerusform>The gateway refused %n requests of this batch, so their recipients got nothing. Sent again, they are paid for if the gateway takes them now; History shows why they were refused. Send them again?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n request(s) of this batch went out and no complete answer came: the gateway may have sent them. Sent again, their recipients may get the message twice, and both are paid for. Check your balance and History first. Send them again all the same?</source>
        <translation>
            <numerusform>%n request of this batch went out and no complete answer came: the gateway may have sent it. Sent again, its recipients may get the message twice, and both are paid for. Check your balance and History first. Send it again all the same?</numerusform>
            <numerusform>%n requests of this batch went out and no complete answer came: the gateway may have sent them. Sent again, their recipients may get the message twice, and both are paid for. Check your balance and History first. Send them again all the same?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Close this batch? Its %n queued request(s) are never sent, and it is no longer listed as unfinished.</source>
        <translation>
            <numerusform>Close this batch? Its %n queued request is never sent, and it is no longer listed as unfinished.</numerusform>
            <numerusform>Close this batch? Its %n queued requests are never sent, and it is no longer listed as unfinished.</numerusform>
        </translation>
    </message>
</context>
</TS>
