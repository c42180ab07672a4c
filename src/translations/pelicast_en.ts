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
    <name>DraftReview</name>
    <message numerus="yes">
        <source>This message costs %1 credits for %n recipient(s), more than the %2 credits set in Options.</source>
        <translation>
            <numerusform>This message costs %1 credits for %n recipient, more than the %2 credits set in Options.</numerusform>
            <numerusform>This message costs %1 credits for %n recipients, more than the %2 credits set in Options.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This message costs %1 credits for %n recipient(s), more than the %2 credits allowed for this send.</source>
        <translation>
            <numerusform>This message costs %1 credits for %n recipient, more than the %2 credits allowed for this send.</numerusform>
            <numerusform>This message costs %1 credits for %n recipients, more than the %2 credits allowed for this send.</numerusform>
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
    <message numerus="yes">
        <source>%1 of %n request(s)</source>
        <translation>
            <numerusform>%1 of %n request</numerusform>
            <numerusform>%1 of %n requests</numerusform>
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
    <name>pelicast::HistoryWindow</name>
    <message numerus="yes">
        <source>A batch of %n request(s): Requests of the batch shows each with its outcome and reply.</source>
        <translation>
            <numerusform>A batch of %n request: Requests of the batch shows it with its outcome and reply.</numerusform>
            <numerusform>A batch of %n requests: Requests of the batch shows each with its outcome and reply.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::LateBatchesDialog</name>
    <message numerus="yes">
        <source>These scheduled messages were not sent at their time, and are more than %n hours late: they go only on your word. Choose for the selected ones; what you leave is asked about again at the next start.</source>
        <translation>
            <numerusform>These scheduled messages were not sent at their time, and are more than %n hour late: they go only on your word. Choose for the selected ones; what you leave is asked about again at the next start.</numerusform>
            <numerusform>These scheduled messages were not sent at their time, and are more than %n hours late: they go only on your word. Choose for the selected ones; what you leave is asked about again at the next start.</numerusform>
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
    <message numerus="yes">
        <source>%n request(s): %1 accepted, %2 refused, %3 without a clear answer, %4 queued</source>
        <translation>
            <numerusform>%n request: %1 accepted, %2 refused, %3 without a clear answer, %4 queued</numerusform>
            <numerusform>%n requests: %1 accepted, %2 refused, %3 without a clear answer, %4 queued</numerusform>
        </translation>
    </message>
</context>
</TS>
