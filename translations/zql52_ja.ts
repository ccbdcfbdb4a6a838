<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>ZQ-L52

ZQ-L52 Data
Data Files (*.VLK)
.vlk
ZQ-L52.Document
ZQ-L52 Document</source>
        <comment>128</comment>
        <translation>ZQ-L52

ZQ-L52データ
データファイル (*.VLK)
.vlk
ZQ-L52.Document
ZQ-L52ドキュメント</translation>
    </message>
    <message>
        <source>Cloning</source>
        <comment>156</comment>
        <translation>クローン</translation>
    </message>
    <message>
        <source> Cloning completed.</source>
        <comment>5026</comment>
        <translation> クローンが完了しました。</translation>
    </message>
    <message>
        <source> Err: Cannot read cloning data.</source>
        <comment>5027</comment>
        <translation> エラー: クローンデータを読み込めません。</translation>
    </message>
    <message>
        <source> Err: Cannot write cloning data.</source>
        <comment>5028</comment>
        <translation> エラー: クローンデータを書き込めません。</translation>
    </message>
    <message>
        <source> Err: Illegal information.</source>
        <comment>5029</comment>
        <translation> エラー: 不正な情報です。</translation>
    </message>
    <message>
        <source> The transceiver cannot be programmed. The cause may be:

 1) The transceiver has not been cloned.
 2) The transceiver&apos;s EEPROM is damaged.
 3) The transceiver&apos;s revision number is not compatible
    with the programming software.

 In cases 1 or 2, the transceiver requires factory
 maintenance. In case 3, the transceiver cannot be
 programmed using this program.

</source>
        <comment>5030</comment>
        <translation> トランシーバーをプログラムできません。次の原因が考えられます:

 1) トランシーバーがクローンされていません。
 2) トランシーバーのEEPROMが損傷しています。
 3) トランシーバーのリビジョン番号が
    このプログラミングソフトウェアに対応していません。

 1 または 2 の場合は、トランシーバーをメーカーで
 修理する必要があります。3 の場合は、このプログラムで
 トランシーバーをプログラムすることはできません。

</translation>
    </message>
    <message>
        <source> Terminated cloning.  </source>
        <comment>5031</comment>
        <translation> クローンを中止しました。  </translation>
    </message>
    <message>
        <source> Err: Cannot access RS-232C port.</source>
        <comment>5032</comment>
        <translation> エラー: RS-232Cポートにアクセスできません。</translation>
    </message>
    <message>
        <source> Clone writing succeeded. 

 Turn the transceiver power off and on to use 
 the transceiver under its new conditions.
</source>
        <comment>5034</comment>
        <translation> クローン書き込みに成功しました。 

 新しい設定でトランシーバーを使用するには、 
 トランシーバーの電源をいったん切ってから入れ直してください。
</translation>
    </message>
    <message>
        <source> Check the following:

 - The RS-232C port settings.
 - Cloning cable connections.
 - Transceiver power is ON.</source>
        <comment>5035</comment>
        <translation> 次の点を確認してください:

 - RS-232Cポートの設定
 - クローンケーブルの接続
 - トランシーバーの電源がONになっていること</translation>
    </message>
    <message>
        <source> Now reading &lt;- TR</source>
        <comment>5040</comment>
        <translation> 読み込み中 &lt;- TR</translation>
    </message>
    <message>
        <source> Now writing -&gt; TR</source>
        <comment>5041</comment>
        <translation> 書き込み中 -&gt; TR</translation>
    </message>
    <message>
        <source> Read from transceiver</source>
        <comment>5054</comment>
        <translation> トランシーバーから読み込みます</translation>
    </message>
    <message>
        <source> Data has been edited.</source>
        <comment>5055</comment>
        <translation> 編集中のデータがあります。</translation>
    </message>
    <message>
        <source> Write to transceiver</source>
        <comment>5056</comment>
        <translation> トランシーバーに書き込みます</translation>
    </message>
    <message>
        <source> The last CH(99ch) is not blank. Cannot insert a blank channel.</source>
        <comment>5057</comment>
        <translation> 最後のチャンネル (99ch) が空きではありません。空きチャンネルを挿入できません。</translation>
    </message>
    <message>
        <source> Err: Version number does not match.</source>
        <comment>5058</comment>
        <translation> エラー: バージョン番号が一致しません。</translation>
    </message>
    <message>
        <source> Overwite here ?    </source>
        <comment>5059</comment>
        <translation> ここに上書きしますか?    </translation>
    </message>
    <message>
        <source> Check the following:<byte value="xd"/>
<byte value="xd"/>
 - The RS-232C port settings.<byte value="xd"/>
 - Cloning cable connections.<byte value="xd"/>
 - Appropriate cloning software for the transceiver is being used.<byte value="xd"/>
 - The revision number of the transceiver.
</source>
        <comment>5061</comment>
        <translation> 次の点を確認してください:<byte value="xd"/>
<byte value="xd"/>
 - RS-232Cポートの設定<byte value="xd"/>
 - クローンケーブルの接続<byte value="xd"/>
 - トランシーバーに合ったクローンソフトウェアを使用していること<byte value="xd"/>
 - トランシーバーのリビジョン番号
</translation>
    </message>
    <message>
        <source>Thank you for purchasing this Velk ZQ-L52 cloning software.<byte value="xd"/>
<byte value="xd"/>
To use this software, the transceiver&apos;s version must be recognized.  Therefore the following start-up operation is necessary in advance.<byte value="xd"/>
<byte value="xd"/>
If an VL-L52 is not on hand, push [Cancel] to skip the initial setup.This program can be used to edit data although actual cloning operations cannot be performed in such cases.<byte value="xd"/>
<byte value="xd"/>
START-UP OPERATION<byte value="xd"/>
<byte value="xd"/>
(1) Be sure the transceiver and PC are connected using the cloning cable.If they are not yet connected, turn all power OFF, then connect the cable in advance.<byte value="xd"/>
<byte value="xd"/>
(2) Turn the transceiver power ON and select the RS-232C port.<byte value="xd"/>
<byte value="xd"/>
(3) Push [OK] to start the initial setup.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>5062</comment>
        <translation>Velk ZQ-L52クローンソフトウェアをお買い上げいただき、ありがとうございます。<byte value="xd"/>
<byte value="xd"/>
このソフトウェアを使用するには、トランシーバーのバージョンを認識させる必要があります。そのため、あらかじめ次の初期設定操作を行ってください。<byte value="xd"/>
<byte value="xd"/>
VL-L52がお手元にない場合は、[キャンセル] を押して初期設定を省略してください。この場合、実際のクローン操作はできませんが、このプログラムでデータを編集することはできます。<byte value="xd"/>
<byte value="xd"/>
初期設定操作<byte value="xd"/>
<byte value="xd"/>
(1) トランシーバーとパソコンがクローンケーブルで接続されていることを確認してください。まだ接続していない場合は、すべての電源を切ってから、先にケーブルを接続してください。<byte value="xd"/>
<byte value="xd"/>
(2) トランシーバーの電源を入れ、RS-232Cポートを選択してください。<byte value="xd"/>
<byte value="xd"/>
(3) [OK] を押すと初期設定を開始します。<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Call Sign</source>
        <comment>5063</comment>
        <translation>コールサイン</translation>
    </message>
    <message>
        <source>COM Port</source>
        <comment>5064</comment>
        <translation>COMポート</translation>
    </message>
    <message>
        <source>      </source>
        <comment>5065</comment>
        <translation>      </translation>
    </message>
    <message>
        <source> The transceiver cannot be programmed with the
current setting. The transceiver&apos;s version 
does not match the initial setup.
</source>
        <comment>5066</comment>
        <translation> 現在の設定ではトランシーバーを
プログラムできません。トランシーバーのバージョンが 
初期設定と一致しません。
</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>20100</comment>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>20101</comment>
        <translation>OFF</translation>
    </message>
    <message>
        <source>On</source>
        <comment>20102</comment>
        <translation>ON</translation>
    </message>
    <message>
        <source>ON1: Duplex Only</source>
        <comment>20103</comment>
        <translation>ON1: デュプレックスのみ</translation>
    </message>
    <message>
        <source>ON2: Duplex &amp; Tone</source>
        <comment>20104</comment>
        <translation>ON2: デュプレックスとトーン</translation>
    </message>
    <message>
        <source>---</source>
        <comment>20105</comment>
        <translation>---</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>20110</comment>
        <translation>OFF</translation>
    </message>
    <message>
        <source>20 min</source>
        <comment>20111</comment>
        <translation>20分</translation>
    </message>
    <message>
        <source>40 min</source>
        <comment>20112</comment>
        <translation>40分</translation>
    </message>
    <message>
        <source>60 min</source>
        <comment>20113</comment>
        <translation>60分</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <comment>20114</comment>
        <translation>オートパワーオフ</translation>
    </message>
    <message>
        <source>RF Power</source>
        <comment>20115</comment>
        <translation>送信出力</translation>
    </message>
    <message>
        <source>Auto Repeater</source>
        <comment>20116</comment>
        <translation>オートレピーター</translation>
    </message>
    <message>
        <source>Scan Timer</source>
        <comment>20117</comment>
        <translation>スキャンタイマー</translation>
    </message>
    <message>
        <source>RIT Selection</source>
        <comment>20118</comment>
        <translation>RIT選択</translation>
    </message>
    <message>
        <source>KQ18/A Function</source>
        <comment>20119</comment>
        <translation>KQ18/A機能</translation>
    </message>
    <message>
        <source>LCD Contrast</source>
        <comment>20120</comment>
        <translation>LCDコントラスト</translation>
    </message>
    <message>
        <source>Display Back Light</source>
        <comment>20121</comment>
        <translation>ディスプレイ照明</translation>
    </message>
    <message>
        <source>P-2: Pauses until signal</source>
        <comment>20123</comment>
        <translation>P-2: 信号が消えるまで一時停止</translation>
    </message>
    <message>
        <source>T-10: Pauses 10 sec</source>
        <comment>20124</comment>
        <translation>T-10: 10秒間一時停止</translation>
    </message>
    <message>
        <source>Normal 1</source>
        <comment>20125</comment>
        <translation>ノーマル1</translation>
    </message>
    <message>
        <source>Normal 2</source>
        <comment>20126</comment>
        <translation>ノーマル2</translation>
    </message>
    <message>
        <source>Simple</source>
        <comment>20127</comment>
        <translation>シンプル</translation>
    </message>
    <message>
        <source>1: Low</source>
        <comment>20128</comment>
        <translation>1: 低</translation>
    </message>
    <message>
        <source>2: High</source>
        <comment>20129</comment>
        <translation>2: 高</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>20130</comment>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Automatic</source>
        <comment>20131</comment>
        <translation>自動</translation>
    </message>
    <message>
        <source>On</source>
        <comment>20132</comment>
        <translation>ON</translation>
    </message>
    <message>
        <source>Operation Beep</source>
        <comment>20133</comment>
        <translation>操作音</translation>
    </message>
    <message>
        <source>Indication Mode</source>
        <comment>20134</comment>
        <translation>表示モード</translation>
    </message>
    <message>
        <source>Power Save</source>
        <comment>20135</comment>
        <translation>パワーセーブ</translation>
    </message>
    <message>
        <source>Voltage Indication</source>
        <comment>20136</comment>
        <translation>電圧表示</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>20137</comment>
        <translation>ロー</translation>
    </message>
    <message>
        <source>High</source>
        <comment>20138</comment>
        <translation>ハイ</translation>
    </message>
    <message>
        <source>Comment</source>
        <comment>20139</comment>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Edit Memory
Edit Memory</source>
        <comment>32771</comment>
        <translation>メモリーチャンネルを編集します
メモリー編集</translation>
    </message>
    <message>
        <source>Read From Transceiver
Clone in</source>
        <comment>32774</comment>
        <translation>トランシーバーから読み込みます
クローン読み込み</translation>
    </message>
    <message>
        <source>Write to Transceiver
Clone out</source>
        <comment>32775</comment>
        <translation>トランシーバーに書き込みます
クローン書き込み</translation>
    </message>
    <message>
        <source>Read Information
Clone info.</source>
        <comment>32776</comment>
        <translation>トランシーバーの情報を読み込みます
クローン情報</translation>
    </message>
    <message>
        <source>Indicate Others Sheet
Common Sheet</source>
        <comment>32779</comment>
        <translation>その他の設定シートを表示します
共通設定シート</translation>
    </message>
    <message>
        <source>Indicate DTMF Autodial Sheet
AutoDial Sheet</source>
        <comment>32780</comment>
        <translation>DTMFオートダイヤルシートを表示します
オートダイヤルシート</translation>
    </message>
    <message>
        <source>Use COM1
COM1</source>
        <comment>32790</comment>
        <translation>COM1を使用します
COM1</translation>
    </message>
    <message>
        <source>Use COM2
COM2</source>
        <comment>32791</comment>
        <translation>COM2を使用します
COM2</translation>
    </message>
    <message>
        <source>Use COM3
COM3</source>
        <comment>32792</comment>
        <translation>COM3を使用します
COM3</translation>
    </message>
    <message>
        <source>Use COM4
COM4</source>
        <comment>32793</comment>
        <translation>COM4を使用します
COM4</translation>
    </message>
    <message>
        <source>Choose the serial device of each COM port
Port Devices</source>
        <comment>32794</comment>
        <translation>各COMポートのシリアルデバイスを選択します
ポートのデバイス</translation>
    </message>
    <message>
        <source>Delete
Delete</source>
        <comment>32801</comment>
        <translation>削除
削除</translation>
    </message>
    <message>
        <source>Insert
Insert</source>
        <comment>32802</comment>
        <translation>挿入
挿入</translation>
    </message>
    <message>
        <source>Import channels from a CSV file
Import CSV</source>
        <comment>32820</comment>
        <translation>CSVファイルからチャンネルをインポートします
CSVのインポート</translation>
    </message>
    <message>
        <source>Export the channels to a CSV file
Export CSV</source>
        <comment>32821</comment>
        <translation>チャンネルをCSVファイルにエクスポートします
CSVのエクスポート</translation>
    </message>
    <message>
        <source>Compare the data with a clone data file
Compare with File</source>
        <comment>32822</comment>
        <translation>データをクローンデータファイルと比較します
ファイルと比較</translation>
    </message>
    <message>
        <source>Find a channel by its name or frequency
Find</source>
        <comment>32823</comment>
        <translation>名前または周波数でチャンネルを検索します
検索</translation>
    </message>
    <message>
        <source>Find the next channel that matches
Find Next</source>
        <comment>32824</comment>
        <translation>条件に一致する次のチャンネルを検索します
次を検索</translation>
    </message>
    <message>
        <source>Move the selected channel up one row
Move Up</source>
        <comment>32825</comment>
        <translation>選択したチャンネルを1行上へ移動します
上へ移動</translation>
    </message>
    <message>
        <source>Move the selected channel down one row
Move Down</source>
        <comment>32826</comment>
        <translation>選択したチャンネルを1行下へ移動します
下へ移動</translation>
    </message>
    <message>
        <source>Sort the memory channels of a range
Sort Channels</source>
        <comment>32827</comment>
        <translation>範囲内のメモリーチャンネルを並べ替えます
チャンネルの並べ替え</translation>
    </message>
    <message>
        <source>Close the gaps between the memory channels of a range
Compact Channels</source>
        <comment>32828</comment>
        <translation>範囲内のメモリーチャンネルの間の空きを詰めます
チャンネルを詰める</translation>
    </message>
    <message>
        <source>Set one field on the memory channels of a range
Fill Range</source>
        <comment>32829</comment>
        <translation>範囲内のメモリーチャンネルに1つの項目を一括設定します
範囲の一括設定</translation>
    </message>
    <message>
        <source>Save the channel sheet as a PDF file
Export PDF</source>
        <comment>32830</comment>
        <translation>チャンネルシートをPDFファイルとして保存します
PDFにエクスポート</translation>
    </message>
    <message>
        <source>Open or compare a copy from the archive of every read and write
Open from Archive</source>
        <comment>32831</comment>
        <translation>読み込みと書き込みのたびに保存されたアーカイブから、コピーを開くか比較します
アーカイブから開く</translation>
    </message>
    <message>
        <source>Compare the document with the data in the transceiver
Compare with Transceiver</source>
        <comment>32832</comment>
        <translation>ドキュメントをトランシーバー内のデータと比較します
トランシーバーと比較</translation>
    </message>
    <message>
        <source>Check the port, the cable and the transceiver step by step
Check Cable</source>
        <comment>32834</comment>
        <translation>ポート、ケーブル、トランシーバーを順にチェックします
ケーブルのチェック</translation>
    </message>
    <message>
        <source>Read the transceiver&apos;s version again, or choose it by hand
Transceiver Setup</source>
        <comment>32845</comment>
        <translation>トランシーバーのバージョンを読み込み直すか、手動で選択します
トランシーバー設定</translation>
    </message>
    <message>
        <source>Setting</source>
        <comment>55302</comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>57345</comment>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <comment>57600</comment>
        <translation>新しいドキュメントを作成します
新規作成</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <comment>57601</comment>
        <translation>既存のドキュメントを開きます
開く</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <comment>57603</comment>
        <translation>アクティブなドキュメントを上書き保存します
上書き保存</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <comment>57604</comment>
        <translation>アクティブなドキュメントを新しい名前で保存します
名前を付けて保存</translation>
    </message>
    <message>
        <source>Print the channel sheet of the active document
Print</source>
        <comment>57607</comment>
        <translation>アクティブなドキュメントのチャンネルシートを印刷します
印刷</translation>
    </message>
    <message>
        <source>Display the channel sheet as it will be printed
Print Preview</source>
        <comment>57609</comment>
        <translation>チャンネルシートを印刷時のイメージで表示します
印刷プレビュー</translation>
    </message>
    <message>
        <source>Open this document</source>
        <comment>57616</comment>
        <translation>このドキュメントを開きます</translation>
    </message>
    <message>
        <source>Open this document</source>
        <comment>57617</comment>
        <translation>このドキュメントを開きます</translation>
    </message>
    <message>
        <source>Open this document</source>
        <comment>57618</comment>
        <translation>このドキュメントを開きます</translation>
    </message>
    <message>
        <source>Open this document</source>
        <comment>57619</comment>
        <translation>このドキュメントを開きます</translation>
    </message>
    <message>
        <source>Clear
Clear</source>
        <comment>57632</comment>
        <translation>クリア
クリア</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <comment>57634</comment>
        <translation>選択範囲をコピーしてクリップボードに保存します
コピー</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <comment>57635</comment>
        <translation>選択範囲を切り取ってクリップボードに保存します
切り取り</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <comment>57637</comment>
        <translation>クリップボードの内容を貼り付けます
貼り付け</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <comment>57643</comment>
        <translation>直前の変更を元に戻します
元に戻す</translation>
    </message>
    <message>
        <source>Redo the change that was undone
Redo</source>
        <comment>57644</comment>
        <translation>元に戻した変更をやり直します
やり直し</translation>
    </message>
    <message>
        <source>Display program information and version
About</source>
        <comment>57664</comment>
        <translation>プログラムの情報とバージョンを表示します
バージョン情報</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the document
Exit</source>
        <comment>57665</comment>
        <translation>アプリケーションを終了します。ドキュメントを保存するかどうか確認します
終了</translation>
    </message>
    <message>
        <source>Show the contents of the user manual
Help Contents</source>
        <comment>57666</comment>
        <translation>ユーザーマニュアルの目次を表示します
ヘルプの目次</translation>
    </message>
    <message>
        <source>List the topics of the user manual
Help Topics</source>
        <comment>57667</comment>
        <translation>ユーザーマニュアルのトピックを一覧表示します
ヘルプトピック</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <comment>57680</comment>
        <translation>次のウィンドウペインに切り替えます
次のペイン</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <comment>57681</comment>
        <translation>前のウィンドウペインに戻ります
前のペイン</translation>
    </message>
    <message>
        <source>CAP</source>
        <comment>59137</comment>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>59138</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <comment>59139</comment>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <comment>59392</comment>
        <translation>ツールバーの表示/非表示を切り替えます
ツールバーの表示切り替え</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <comment>59393</comment>
        <translation>ステータスバーの表示/非表示を切り替えます
ステータスバーの表示切り替え</translation>
    </message>
    <message>
        <source>ZQ-L52</source>
        <comment>61000</comment>
        <translation>ZQ-L52</translation>
    </message>
    <message>
        <source>Untitled</source>
        <comment>61001</comment>
        <translation>無題</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>61002</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <comment>61003</comment>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <comment>61004</comment>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <comment>61005</comment>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>61010</comment>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>61011</comment>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>61012</comment>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;COM Port</source>
        <comment>61013</comment>
        <translation>COMポート(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Cloning</source>
        <comment>61014</comment>
        <translation>クローン(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>61015</comment>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <comment>61020</comment>
        <translation>新規作成(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <comment>61021</comment>
        <translation>開く(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <comment>61022</comment>
        <translation>上書き保存(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>61023</comment>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <comment>61024</comment>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>61025</comment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <comment>61026</comment>
        <translation>元に戻す(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <comment>61027</comment>
        <translation>やり直し(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Edit Memory...	Enter</source>
        <comment>61028</comment>
        <translation>メモリー編集(&amp;E)...	Enter</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <comment>61029</comment>
        <translation>コピー(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <comment>61030</comment>
        <translation>貼り付け(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <source>Clear	Del</source>
        <comment>61031</comment>
        <translation>クリア	Del</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>61032</comment>
        <translation>削除</translation>
    </message>
    <message>
        <source>Insert	</source>
        <comment>61033</comment>
        <translation>挿入	</translation>
    </message>
    <message>
        <source>&amp;DTMF AutoDial...</source>
        <comment>61034</comment>
        <translation>DTMFオートダイヤル(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Common Setting...</source>
        <comment>61035</comment>
        <translation>共通設定(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <comment>61036</comment>
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <comment>61037</comment>
        <translation>ステータスバー(&amp;S)</translation>
    </message>
    <message>
        <source>COM1</source>
        <comment>61038</comment>
        <translation>COM1</translation>
    </message>
    <message>
        <source>COM2</source>
        <comment>61039</comment>
        <translation>COM2</translation>
    </message>
    <message>
        <source>COM3</source>
        <comment>61040</comment>
        <translation>COM3</translation>
    </message>
    <message>
        <source>COM4</source>
        <comment>61041</comment>
        <translation>COM4</translation>
    </message>
    <message>
        <source>&amp;Read &lt;- TR</source>
        <comment>61042</comment>
        <translation>読み込み(&amp;R) &lt;- TR</translation>
    </message>
    <message>
        <source>&amp;Write -&gt; TR</source>
        <comment>61043</comment>
        <translation>書き込み(&amp;W) -&gt; TR</translation>
    </message>
    <message>
        <source>&amp;Information...</source>
        <comment>61044</comment>
        <translation>情報(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <comment>61045</comment>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <comment>61046</comment>
        <translation>ヘルプトピック(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About ZQ-L52...</source>
        <comment>61047</comment>
        <translation>ZQ-L52のバージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>About ZQ-L52</source>
        <comment>61100</comment>
        <translation>ZQ-L52のバージョン情報</translation>
    </message>
    <message>
        <source>ZQ-L52 Rev.1.0</source>
        <comment>61101</comment>
        <translation>ZQ-L52 Rev.1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>61102</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>61103</comment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>61104</comment>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>61105</comment>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>Information</source>
        <comment>61110</comment>
        <translation>情報</translation>
    </message>
    <message>
        <source>Model</source>
        <comment>61111</comment>
        <translation>機種</translation>
    </message>
    <message>
        <source>Comment</source>
        <comment>61112</comment>
        <translation>コメント</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>61113</comment>
        <translation>不明</translation>
    </message>
    <message>
        <source>WWWWWWWWWWWWWWWW</source>
        <comment>61114</comment>
        <translation>WWWWWWWWWWWWWWWW</translation>
    </message>
    <message>
        <source>VL-L52</source>
        <comment>61115</comment>
        <translation>VL-L52</translation>
    </message>
    <message>
        <source>ZQ-L52 Initial Setup</source>
        <comment>61120</comment>
        <translation>ZQ-L52初期設定</translation>
    </message>
    <message>
        <source>COM1</source>
        <comment>61121</comment>
        <translation>COM1</translation>
    </message>
    <message>
        <source>COM2</source>
        <comment>61122</comment>
        <translation>COM2</translation>
    </message>
    <message>
        <source>COM3</source>
        <comment>61123</comment>
        <translation>COM3</translation>
    </message>
    <message>
        <source>COM4</source>
        <comment>61124</comment>
        <translation>COM4</translation>
    </message>
    <message>
        <source> COM Port Error    </source>
        <comment>61130</comment>
        <translation> COMポートエラー    </translation>
    </message>
    <message>
        <source> not Open </source>
        <comment>61131</comment>
        <translation> 開かれていません </translation>
    </message>
    <message>
        <source> invarid setting </source>
        <comment>61132</comment>
        <translation> 設定が無効です </translation>
    </message>
    <message>
        <source> write error </source>
        <comment>61133</comment>
        <translation> 書き込みエラー </translation>
    </message>
    <message>
        <source> read error </source>
        <comment>61134</comment>
        <translation> 読み込みエラー </translation>
    </message>
    <message>
        <source>CH</source>
        <comment>61150</comment>
        <translation>CH</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>61151</comment>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Duplex</source>
        <comment>61152</comment>
        <translation>デュプレックス</translation>
    </message>
    <message>
        <source>Offset freq.</source>
        <comment>61153</comment>
        <translation>オフセット周波数</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>61154</comment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Tone</source>
        <comment>61155</comment>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Repeater Tone</source>
        <comment>61156</comment>
        <translation>レピータトーン</translation>
    </message>
    <message>
        <source>CTCSS freq.</source>
        <comment>61157</comment>
        <translation>CTCSS周波数</translation>
    </message>
    <message>
        <source>Skip</source>
        <comment>61158</comment>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Mode  </source>
        <comment>61159</comment>
        <translation>モード  </translation>
    </message>
    <message>
        <source> Common </source>
        <comment>61170</comment>
        <translation> 共通 </translation>
    </message>
    <message>
        <source>ZQ-L52 Help</source>
        <comment>61180</comment>
        <translation>ZQ-L52ヘルプ</translation>
    </message>
    <message>
        <source> The serial device %1 exists, but this user may not use it.

 On Linux, serial devices belong to the group &quot;dialout&quot;. Join it with

     sudo usermod -aG dialout $USER

 then log out and log in again.</source>
        <comment>61181</comment>
        <translation> シリアルデバイス %1 はありますが、このユーザーには使用する権限がありません。

 Linuxでは、シリアルデバイスはグループ &quot;dialout&quot; に属しています。次のコマンドで参加してください:

     sudo usermod -aG dialout $USER

 その後、いったんログアウトしてから、もう一度ログインしてください。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>61182</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <comment>61183</comment>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>61184</comment>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <comment>61185</comment>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>61186</comment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Edit Memory ch</source>
        <comment>61200</comment>
        <translation>メモリーチャンネルの編集</translation>
    </message>
    <message>
        <source>Operating Frequency</source>
        <comment>61201</comment>
        <translation>運用周波数</translation>
    </message>
    <message>
        <source>Dup</source>
        <comment>61202</comment>
        <translation>デュプレックス</translation>
    </message>
    <message>
        <source>OFF</source>
        <comment>61203</comment>
        <translation>OFF</translation>
    </message>
    <message>
        <source>-Dup</source>
        <comment>61204</comment>
        <translation>-DUP</translation>
    </message>
    <message>
        <source>+Dup</source>
        <comment>61205</comment>
        <translation>+DUP</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <comment>61206</comment>
        <translation>オフセット周波数</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>61207</comment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Tone / ToneSquelch</source>
        <comment>61208</comment>
        <translation>トーン / トーンスケルチ</translation>
    </message>
    <message>
        <source>OFF</source>
        <comment>61209</comment>
        <translation>OFF</translation>
    </message>
    <message>
        <source>TONE</source>
        <comment>61210</comment>
        <translation>TONE</translation>
    </message>
    <message>
        <source>TSQL</source>
        <comment>61211</comment>
        <translation>TSQL</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>61212</comment>
        <translation>モード</translation>
    </message>
    <message>
        <source>FM</source>
        <comment>61213</comment>
        <translation>FM</translation>
    </message>
    <message>
        <source>AM</source>
        <comment>61214</comment>
        <translation>AM</translation>
    </message>
    <message>
        <source>WFM</source>
        <comment>61215</comment>
        <translation>WFM</translation>
    </message>
    <message>
        <source>NarrowFM</source>
        <comment>61216</comment>
        <translation>ナローFM</translation>
    </message>
    <message>
        <source>Memory Skip</source>
        <comment>61217</comment>
        <translation>メモリースキップ</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <comment>61218</comment>
        <translation>チューニングステップ</translation>
    </message>
    <message>
        <source>Program Skip </source>
        <comment>61219</comment>
        <translation>プログラムスキップ </translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <comment>61300</comment>
        <translation>DTMFオートダイヤル</translation>
    </message>
    <message>
        <source>Channel Selection</source>
        <comment>61301</comment>
        <translation>チャンネル選択</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>61302</comment>
        <translation>スピード</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>61400</comment>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As</source>
        <comment>61401</comment>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>61402</comment>
        <translation>%1 への変更を保存しますか?</translation>
    </message>
    <message>
        <source> Cannot open the file
 %1

%2</source>
        <comment>61403</comment>
        <translation> ファイルを開けません
 %1

%2</translation>
    </message>
    <message>
        <source> Cannot save the file
 %1

%2</source>
        <comment>61404</comment>
        <translation> ファイルを保存できません
 %1

%2</translation>
    </message>
    <message>
        <source> The file does not exist, or this user may not read it.</source>
        <comment>61405</comment>
        <translation> ファイルが存在しないか、このユーザーには読み取る権限がありません。</translation>
    </message>
    <message>
        <source> The file cannot be written there: the folder does not exist, this user may
 not write in it, or the disk is full. The file was left as it was.</source>
        <comment>61406</comment>
        <translation> その場所にはファイルを書き込めません。フォルダーが存在しないか、このユーザーに書き込む
 権限がないか、ディスクがいっぱいです。ファイルは元のままです。</translation>
    </message>
    <message>
        <source> It is not a clone data file, or one of its lines is damaged.</source>
        <comment>61407</comment>
        <translation> クローンデータファイルではないか、いずれかの行が壊れています。</translation>
    </message>
    <message>
        <source> It holds data for addresses outside the transceiver&apos;s memory.</source>
        <comment>61408</comment>
        <translation> トランシーバーのメモリー範囲外のアドレスのデータが含まれています。</translation>
    </message>
    <message>
        <source> It was made for another transceiver model.</source>
        <comment>61409</comment>
        <translation> 別のトランシーバー機種用に作成されたファイルです。</translation>
    </message>
    <message>
        <source> It was made for another revision of the transceiver.</source>
        <comment>61410</comment>
        <translation> 別のリビジョンのトランシーバー用に作成されたファイルです。</translation>
    </message>
    <message>
        <source> It does not hold the whole memory of the transceiver.</source>
        <comment>61411</comment>
        <translation> トランシーバーのメモリー全体のデータが含まれていません。</translation>
    </message>
    <message>
        <source> The data could not be read or written (%1).</source>
        <comment>61412</comment>
        <translation> データを読み書きできませんでした (%1)。</translation>
    </message>
    <message>
        <source> The file
 %1
 was changed by another program since it was opened or saved here.

 OK saves over it and the other program&apos;s changes are lost; Cancel leaves the file as it is.</source>
        <comment>61413</comment>
        <translation> ファイル
 %1
 は、ここで開いたか保存した後に、別のプログラムによって変更されています。

 [OK] を押すと上書き保存され、別のプログラムによる変更は失われます。[キャンセル] を押すとファイルはそのままです。</translation>
    </message>
    <message>
        <source>Port &amp;Devices...</source>
        <comment>61420</comment>
        <translation>ポートのデバイス(&amp;D)...</translation>
    </message>
    <message>
        <source>Port Devices</source>
        <comment>61421</comment>
        <translation>ポートのデバイス</translation>
    </message>
    <message>
        <source>The serial device each COM port stands for. Pick a detected device or type its path.</source>
        <comment>61422</comment>
        <translation>各COMポートに割り当てるシリアルデバイスです。検出されたデバイスを選択するか、パスを入力してください。</translation>
    </message>
    <message>
        <source>&amp;Devices...</source>
        <comment>61423</comment>
        <translation>デバイス(&amp;D)...</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>61424</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>:</source>
        <comment>61425</comment>
        <translation>:</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <comment>61440</comment>
        <translation>元に戻す(&amp;U) %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <comment>61441</comment>
        <translation>やり直し(&amp;R) %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>Edit Memory</source>
        <comment>61442</comment>
        <translation>メモリー編集</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>61443</comment>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>61444</comment>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>61445</comment>
        <translation>削除</translation>
    </message>
    <message>
        <source>Insert</source>
        <comment>61446</comment>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <comment>61447</comment>
        <translation>共通設定</translation>
    </message>
    <message>
        <source>DTMF AutoDial</source>
        <comment>61448</comment>
        <translation>DTMFオートダイヤル</translation>
    </message>
    <message>
        <source>Read &lt;- TR</source>
        <comment>61449</comment>
        <translation>読み込み &lt;- TR</translation>
    </message>
    <message>
        <source> The transceiver cannot use these channels (marked &quot;?&quot; in the list).
 Written to it, they become:

%1</source>
        <comment>61460</comment>
        <translation> 次のチャンネル (一覧で &quot;?&quot; の付いたもの) は、このトランシーバーでは使用できません。
 書き込むと、次のようになります:

%1</translation>
    </message>
    <message>
        <source> %1: an empty channel</source>
        <comment>61461</comment>
        <translation> %1: 空きチャンネル</translation>
    </message>
    <message>
        <source> %1: %2 MHz %3 (what the transceiver holds there by default)</source>
        <comment>61462</comment>
        <translation> %1: %2 MHz %3 (トランシーバーがそこに持つ初期値)</translation>
    </message>
    <message>
        <source>D%1</source>
        <comment>61500</comment>
        <translation>D%1</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <comment>61501</comment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source> The clone archive copy could not be saved: %1</source>
        <comment>61600</comment>
        <translation> クローンアーカイブのコピーを保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Open from A&amp;rchive...</source>
        <comment>61601</comment>
        <translation>アーカイブから開く(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Compare with Transceiver...</source>
        <comment>61602</comment>
        <translation>トランシーバーと比較(&amp;C)...</translation>
    </message>
    <message>
        <source>Open from Archive</source>
        <comment>61603</comment>
        <translation>アーカイブから開く</translation>
    </message>
    <message>
        <source>Copies of every read from and write to the transceiver, newest first, kept in %1</source>
        <comment>61604</comment>
        <translation>トランシーバーからの読み込みとトランシーバーへの書き込みのたびに保存されたコピーです (新しい順、保存先: %1)</translation>
    </message>
    <message>
        <source>The archive holds no copies yet: the next read or write keeps the first one.</source>
        <comment>61605</comment>
        <translation>アーカイブにはまだコピーがありません。次の読み込みまたは書き込みで最初のコピーが保存されます。</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>61606</comment>
        <translation>日付</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>61607</comment>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>61608</comment>
        <translation>操作</translation>
    </message>
    <message>
        <source>Channels</source>
        <comment>61609</comment>
        <translation>チャンネル数</translation>
    </message>
    <message>
        <source>Comment</source>
        <comment>61610</comment>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Read &lt;- TR</source>
        <comment>61611</comment>
        <translation>読み込み &lt;- TR</translation>
    </message>
    <message>
        <source>Write -&gt; TR</source>
        <comment>61612</comment>
        <translation>書き込み -&gt; TR</translation>
    </message>
    <message>
        <source>?</source>
        <comment>61613</comment>
        <translation>?</translation>
    </message>
    <message>
        <source>&amp;Keep a copy of every read and write</source>
        <comment>61614</comment>
        <translation>読み込みと書き込みのたびにコピーを保存する(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>61615</comment>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <comment>61616</comment>
        <translation>比較(&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;Folder</source>
        <comment>61617</comment>
        <translation>フォルダーを表示(&amp;F)</translation>
    </message>
    <message>
        <source> The folder
 %1
 could not be shown: no file manager answered.</source>
        <comment>61619</comment>
        <translation> フォルダー
 %1
 を表示できませんでした。応答するファイルマネージャーがありません。</translation>
    </message>
    <message>
        <source>Compare with Transceiver</source>
        <comment>61620</comment>
        <translation>トランシーバーと比較</translation>
    </message>
    <message>
        <source>the transceiver</source>
        <comment>61621</comment>
        <translation>トランシーバー</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <comment>61700</comment>
        <translation>印刷(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <comment>61701</comment>
        <translation>印刷プレビュー(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <comment>61702</comment>
        <translation>PDFにエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Print Options</source>
        <comment>61703</comment>
        <translation>印刷オプション</translation>
    </message>
    <message>
        <source>Include &amp;blank channels</source>
        <comment>61704</comment>
        <translation>空きチャンネルを含める(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Common settings</source>
        <comment>61705</comment>
        <translation>共通設定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;DTMF memories</source>
        <comment>61706</comment>
        <translation>DTMFメモリー(&amp;D)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <comment>61707</comment>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <comment>61708</comment>
        <translation>PDFにエクスポート</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <comment>61709</comment>
        <translation>PDFファイル (*.pdf)</translation>
    </message>
    <message>
        <source> Cannot write the PDF file
 %1

 %2</source>
        <comment>61710</comment>
        <translation> PDFファイルを書き込めません
 %1

 %2</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <comment>61800</comment>
        <translation>CSVのインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Expor&amp;t CSV...</source>
        <comment>61801</comment>
        <translation>CSVのエクスポート(&amp;T)...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...</source>
        <comment>61802</comment>
        <translation>ファイルと比較(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <comment>61803</comment>
        <translation>検索(&amp;F)...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;Next	F3</source>
        <comment>61804</comment>
        <translation>次を検索(&amp;N)	F3</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up	Ctrl+Up</source>
        <comment>61805</comment>
        <translation>上へ移動(&amp;V)	Ctrl+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Ctrl+Down</source>
        <comment>61806</comment>
        <translation>下へ移動(&amp;W)	Ctrl+Down</translation>
    </message>
    <message>
        <source>&amp;Sort Channels...</source>
        <comment>61807</comment>
        <translation>チャンネルの並べ替え(&amp;S)...</translation>
    </message>
    <message>
        <source>Co&amp;mpact Channels...</source>
        <comment>61808</comment>
        <translation>チャンネルを詰める(&amp;M)...</translation>
    </message>
    <message>
        <source>F&amp;ill Range...</source>
        <comment>61809</comment>
        <translation>範囲の一括設定(&amp;I)...</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <comment>61810</comment>
        <translation>CSVのインポート</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <comment>61811</comment>
        <translation>チャンネルの並べ替え</translation>
    </message>
    <message>
        <source>Compact Channels</source>
        <comment>61812</comment>
        <translation>チャンネルを詰める</translation>
    </message>
    <message>
        <source>Fill Range</source>
        <comment>61813</comment>
        <translation>範囲の一括設定</translation>
    </message>
    <message>
        <source>Move Up</source>
        <comment>61814</comment>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <comment>61815</comment>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>61820</comment>
        <translation>検索</translation>
    </message>
    <message>
        <source>Find &amp;what:</source>
        <comment>61821</comment>
        <translation>検索する文字列(&amp;W):</translation>
    </message>
    <message>
        <source>Finds a channel whose name contains the text or whose frequency begins with it.
F3 finds the next one.</source>
        <comment>61822</comment>
        <translation>名前にこの文字列を含むか、周波数がこの文字列で始まるチャンネルを検索します。
F3キーで次のチャンネルを検索します。</translation>
    </message>
    <message>
        <source> Not found: %1</source>
        <comment>61823</comment>
        <translation> 見つかりません: %1</translation>
    </message>
    <message>
        <source> Found: %1 (%2 of %3)</source>
        <comment>61824</comment>
        <translation> 見つかりました: %1 (%3 件中 %2 件目)</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <comment>61830</comment>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <comment>61831</comment>
        <translation>開始(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <comment>61832</comment>
        <translation>終了(&amp;T):</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <comment>61833</comment>
        <translation>チャンネルの並べ替え</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <comment>61834</comment>
        <translation>並べ替えのキー(&amp;B):</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>61835</comment>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>61836</comment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Tone, then frequency</source>
        <comment>61837</comment>
        <translation>トーン、次に周波数</translation>
    </message>
    <message>
        <source>Order</source>
        <comment>61838</comment>
        <translation>順序</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <comment>61839</comment>
        <translation>昇順(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <comment>61840</comment>
        <translation>降順(&amp;D)</translation>
    </message>
    <message>
        <source>Channels move whole; blank channels go to the end of the range.
Channels with equal keys keep their order.</source>
        <comment>61841</comment>
        <translation>チャンネルは内容ごと移動します。空きチャンネルは範囲の末尾に移動します。
キーが同じチャンネルは元の順序を保ちます。</translation>
    </message>
    <message>
        <source>Compact Channels</source>
        <comment>61842</comment>
        <translation>チャンネルを詰める</translation>
    </message>
    <message>
        <source>The channels in use move up to close the gaps, keeping their order;
blank channels go to the end of the range.</source>
        <comment>61843</comment>
        <translation>使用中のチャンネルを順序を保ったまま上へ移動し、空きを詰めます。
空きチャンネルは範囲の末尾に移動します。</translation>
    </message>
    <message>
        <source>Fill Range</source>
        <comment>61844</comment>
        <translation>範囲の一括設定</translation>
    </message>
    <message>
        <source>F&amp;ield:</source>
        <comment>61845</comment>
        <translation>項目(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <comment>61846</comment>
        <translation>値(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Offset (MHz):</source>
        <comment>61847</comment>
        <translation>オフセット (MHz)(&amp;O):</translation>
    </message>
    <message>
        <source>Sets the value on every channel in use in the range. Channels where the
value is not allowed are left as they were and reported.</source>
        <comment>61848</comment>
        <translation>範囲内の使用中のすべてのチャンネルにこの値を設定します。この値を設定できない
チャンネルは元のままにして、その旨を報告します。</translation>
    </message>
    <message>
        <source>Duplex</source>
        <comment>61849</comment>
        <translation>デュプレックス</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <comment>61850</comment>
        <translation>オフセット (MHz)</translation>
    </message>
    <message>
        <source>Tone</source>
        <comment>61851</comment>
        <translation>トーン</translation>
    </message>
    <message>
        <source>rToneFreq (repeater tone)</source>
        <comment>61852</comment>
        <translation>rToneFreq (レピータトーン)</translation>
    </message>
    <message>
        <source>cToneFreq (TSQL tone)</source>
        <comment>61853</comment>
        <translation>cToneFreq (TSQLトーン)</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>61854</comment>
        <translation>モード</translation>
    </message>
    <message>
        <source>Skip</source>
        <comment>61855</comment>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>61856</comment>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>- (shift down)</source>
        <comment>61857</comment>
        <translation>- (マイナスシフト)</translation>
    </message>
    <message>
        <source>+ (shift up)</source>
        <comment>61858</comment>
        <translation>+ (プラスシフト)</translation>
    </message>
    <message>
        <source>WFM (Wide FM)</source>
        <comment>61859</comment>
        <translation>WFM (ワイドFM)</translation>
    </message>
    <message>
        <source>NFM (FM Narrow)</source>
        <comment>61860</comment>
        <translation>NFM (ナローFM)</translation>
    </message>
    <message>
        <source>S (skip)</source>
        <comment>61861</comment>
        <translation>S (スキップ)</translation>
    </message>
    <message>
        <source>keep each channel&apos;s offset</source>
        <comment>61862</comment>
        <translation>各チャンネルのオフセットのまま</translation>
    </message>
    <message>
        <source>e.g. 0.6</source>
        <comment>61863</comment>
        <translation>例: 0.6</translation>
    </message>
    <message>
        <source> The range From %1 To %2 holds no channel.

 From must not be after To: change one of them.</source>
        <comment>61864</comment>
        <translation> 開始 %1 から終了 %2 までの範囲にはチャンネルがありません。

 開始を終了より後にすることはできません。どちらかを変更してください。</translation>
    </message>
    <message>
        <source>Channels changed: %1. These channels were left as they were or hold the value in another form:</source>
        <comment>61870</comment>
        <translation>変更したチャンネル: %1。次のチャンネルは元のままにしたか、別の形で値を設定しました:</translation>
    </message>
    <message>
        <source>%1 skipped: %2</source>
        <comment>61871</comment>
        <translation>%1 未変更: %2</translation>
    </message>
    <message>
        <source>%1 adjusted: %2</source>
        <comment>61872</comment>
        <translation>%1 調整: %2</translation>
    </message>
    <message>
        <source> Cannot fill the range.

 %1</source>
        <comment>61873</comment>
        <translation> 範囲に一括設定できません。

 %1</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <comment>61880</comment>
        <translation>CSVのインポート</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <comment>61881</comment>
        <translation>CSVのエクスポート</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.CSV)</source>
        <comment>61882</comment>
        <translation>CSVファイル (*.csv *.CSV)</translation>
    </message>
    <message>
        <source> Cannot import the file
 %1

 %2</source>
        <comment>61884</comment>
        <translation> ファイルをインポートできません
 %1

 %2</translation>
    </message>
    <message>
        <source> Imported %1</source>
        <comment>61885</comment>
        <translation> %1 をインポートしました</translation>
    </message>
    <message>
        <source> Export the program-scan edges and call channels as well?</source>
        <comment>61886</comment>
        <translation> プログラムスキャンエッジとコールチャンネルもエクスポートしますか?</translation>
    </message>
    <message>
        <source> Exported %1</source>
        <comment>61887</comment>
        <translation> %1 をエクスポートしました</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <comment>61888</comment>
        <translation>ファイルと比較</translation>
    </message>
    <message>
        <source>Compare with File - %1</source>
        <comment>61889</comment>
        <translation>ファイルと比較 - %1</translation>
    </message>
    <message>
        <source>Each line shows the value in this document, then -&gt; and the value in %1.</source>
        <comment>61890</comment>
        <translation>各行には、このドキュメントの値、-&gt;、%1 の値の順に表示されます。</translation>
    </message>
    <message>
        <source>No differences</source>
        <comment>61891</comment>
        <translation>違いはありません</translation>
    </message>
    <message>
        <source>Import CSV - %1</source>
        <comment>61920</comment>
        <translation>CSVのインポート - %1</translation>
    </message>
    <message>
        <source>Nothing is changed until you press OK. Each row of the file, the channel it goes to and what that channel will hold:</source>
        <comment>61921</comment>
        <translation>[OK] を押すまで何も変更されません。ファイルの各行、その行を入れるチャンネル、そのチャンネルの新しい内容です:</translation>
    </message>
    <message>
        <source>&amp;Place rows:</source>
        <comment>61922</comment>
        <translation>行の配置(&amp;P):</translation>
    </message>
    <message>
        <source>At their Location</source>
        <comment>61923</comment>
        <translation>Location列のチャンネルへ</translation>
    </message>
    <message>
        <source>In file order, from a channel on</source>
        <comment>61924</comment>
        <translation>ファイルの順に、指定チャンネルから</translation>
    </message>
    <message>
        <source>Into blank channels only, from a channel on</source>
        <comment>61925</comment>
        <translation>空きチャンネルだけに、指定チャンネルから</translation>
    </message>
    <message>
        <source>&amp;From channel:</source>
        <comment>61926</comment>
        <translation>開始チャンネル(&amp;F):</translation>
    </message>
    <message>
        <source>Only rows the transceiver can &amp;use</source>
        <comment>61927</comment>
        <translation>トランシーバーで使用できる行だけ(&amp;U)</translation>
    </message>
    <message>
        <source>Rows stored: %1. Rows skipped: %2. Channels in use overwritten (marked *): %3.</source>
        <comment>61928</comment>
        <translation>取り込む行: %1。取り込まない行: %2。上書きされる使用中のチャンネル (* 印): %3。</translation>
    </message>
    <message>
        <source> *</source>
        <comment>61929</comment>
        <translation> *</translation>
    </message>
    <message>
        <source>Line</source>
        <comment>61930</comment>
        <translation>行</translation>
    </message>
    <message>
        <source>CH</source>
        <comment>61931</comment>
        <translation>CH</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>61932</comment>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Duplex</source>
        <comment>61933</comment>
        <translation>デュプレックス</translation>
    </message>
    <message>
        <source>Offset</source>
        <comment>61934</comment>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Tone</source>
        <comment>61935</comment>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>61936</comment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>61937</comment>
        <translation>モード</translation>
    </message>
    <message>
        <source>Note</source>
        <comment>61938</comment>
        <translation>備考</translation>
    </message>
    <message>
        <source>&amp;Transceiver Setup...</source>
        <comment>61950</comment>
        <translation>トランシーバー設定(&amp;T)...</translation>
    </message>
    <message>
        <source>Transceiver version</source>
        <comment>61951</comment>
        <translation>トランシーバーのバージョン</translation>
    </message>
    <message>
        <source>&amp;Read it from the transceiver</source>
        <comment>61952</comment>
        <translation>トランシーバーから読み込む(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;hoose it here (no transceiver needed)</source>
        <comment>61953</comment>
        <translation>ここで選択する (トランシーバー不要)(&amp;H)</translation>
    </message>
    <message>
        <source>Des&amp;tination</source>
        <comment>61954</comment>
        <translation>仕向け地(&amp;T)</translation>
    </message>
    <message>
        <source>Co&amp;verage level</source>
        <comment>61955</comment>
        <translation>周波数範囲のレベル(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;50 MHz band</source>
        <comment>61956</comment>
        <translation>50MHz帯(&amp;5)</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>61957</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Check Ca&amp;ble...</source>
        <comment>62100</comment>
        <translation>ケーブルのチェック(&amp;B)...</translation>
    </message>
    <message>
        <source>Check Cable</source>
        <comment>62101</comment>
        <translation>ケーブルのチェック</translation>
    </message>
    <message>
        <source>Checks %1 step by step. Nothing is written to the transceiver&apos;s memory.</source>
        <comment>62102</comment>
        <translation>%1 を順にチェックします。トランシーバーのメモリーには何も書き込みません。</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <comment>62103</comment>
        <translation>再チェック(&amp;A)</translation>
    </message>
    <message>
        <source>Check Ca&amp;ble...</source>
        <comment>62104</comment>
        <translation>ケーブルのチェック(&amp;B)...</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>62105</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAILED</source>
        <comment>62106</comment>
        <translation>失敗</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>62107</comment>
        <translation>未チェック</translation>
    </message>
    <message>
        <source>The device exists</source>
        <comment>62110</comment>
        <translation>デバイスが存在する</translation>
    </message>
    <message>
        <source>It may be opened</source>
        <comment>62111</comment>
        <translation>開くことができる</translation>
    </message>
    <message>
        <source>It is free</source>
        <comment>62112</comment>
        <translation>使用中でない</translation>
    </message>
    <message>
        <source>The line takes 9600 8N1</source>
        <comment>62113</comment>
        <translation>回線を9600 8N1に設定できる</translation>
    </message>
    <message>
        <source>The cable echoes</source>
        <comment>62114</comment>
        <translation>ケーブルがエコーを返す</translation>
    </message>
    <message>
        <source>The transceiver answers</source>
        <comment>62115</comment>
        <translation>トランシーバーが応答する</translation>
    </message>
    <message>
        <source>%1 is there.</source>
        <comment>62120</comment>
        <translation>%1 があります。</translation>
    </message>
    <message>
        <source>%1 does not exist. Serial devices there now: %2.</source>
        <comment>62121</comment>
        <translation>%1 は存在しません。現在あるシリアルデバイス: %2。</translation>
    </message>
    <message>
        <source>none</source>
        <comment>62122</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Is the USB adapter plugged in? Then choose its device for the port.</source>
        <comment>62123</comment>
        <translation>USBアダプターは接続されていますか? 接続されている場合は、そのデバイスをポートに選択してください。</translation>
    </message>
    <message>
        <source>This user may read and write it.</source>
        <comment>62124</comment>
        <translation>このユーザーは読み書きできます。</translation>
    </message>
    <message>
        <source>This user may not open %1: it belongs to the group %2.</source>
        <comment>62125</comment>
        <translation>このユーザーは %1 を開けません。このデバイスはグループ %2 に属しています。</translation>
    </message>
    <message>
        <source>The user is not in the group %1.</source>
        <comment>62126</comment>
        <translation>ユーザーはグループ %1 に参加していません。</translation>
    </message>
    <message>
        <source>The user is in the group %1, but this login started before joining it.</source>
        <comment>62127</comment>
        <translation>ユーザーはグループ %1 に参加していますが、現在のログインは参加する前に開始されたものです。</translation>
    </message>
    <message>
        <source>Join the group with
  sudo usermod -aG %1 $USER
then log out and log in again: a new login is needed.</source>
        <comment>62128</comment>
        <translation>次のコマンドでグループに参加してください:
  sudo usermod -aG %1 $USER
その後、いったんログアウトしてから、もう一度ログインしてください (新しいログインが必要です)。</translation>
    </message>
    <message>
        <source>Log out and log in again: the group counts from a new login.</source>
        <comment>62129</comment>
        <translation>いったんログアウトしてから、もう一度ログインしてください。グループは新しいログインから有効になります。</translation>
    </message>
    <message>
        <source>The system refuses to open it: %1.</source>
        <comment>62130</comment>
        <translation>システムがオープンを拒否しました: %1。</translation>
    </message>
    <message>
        <source>No other program holds it.</source>
        <comment>62131</comment>
        <translation>ほかのプログラムは使用していません。</translation>
    </message>
    <message>
        <source>Another program holds it.</source>
        <comment>62132</comment>
        <translation>ほかのプログラムが使用中です。</translation>
    </message>
    <message>
        <source>Another program holds it: %1.</source>
        <comment>62133</comment>
        <translation>ほかのプログラムが使用中です: %1。</translation>
    </message>
    <message>
        <source>process %1 (%2)</source>
        <comment>62134</comment>
        <translation>プロセス %1 (%2)</translation>
    </message>
    <message>
        <source>Close that program (a terminal program, a modem manager, another cloning program), then check again.</source>
        <comment>62135</comment>
        <translation>そのプログラム (端末プログラム、モデムマネージャー、ほかのクローンプログラムなど) を終了してから、もう一度チェックしてください。</translation>
    </message>
    <message>
        <source>9600 bit/s, 8 data bits, no parity, 1 stop bit.</source>
        <comment>62136</comment>
        <translation>9600 bit/s、データ 8 ビット、パリティなし、ストップ 1 ビット。</translation>
    </message>
    <message>
        <source>The device does not take the line settings: %1.</source>
        <comment>62137</comment>
        <translation>デバイスがこの回線設定を受け付けません: %1。</translation>
    </message>
    <message>
        <source>It may not be a serial port: choose the cable&apos;s device.</source>
        <comment>62138</comment>
        <translation>シリアルポートではない可能性があります。ケーブルのデバイスを選択してください。</translation>
    </message>
    <message>
        <source>The %1 test bytes came back as sent.</source>
        <comment>62139</comment>
        <translation>%1 バイトのテストデータが、送信したとおりに戻りました。</translation>
    </message>
    <message>
        <source>Nothing came back.</source>
        <comment>62140</comment>
        <translation>何も戻りませんでした。</translation>
    </message>
    <message>
        <source>Not a cloning cable, or not plugged into this port.</source>
        <comment>62141</comment>
        <translation>クローンケーブルではないか、このポートに接続されていません。</translation>
    </message>
    <message>
        <source>%1 of %2 test bytes came back, not as sent.</source>
        <comment>62142</comment>
        <translation>%2 バイト中 %1 バイトのテストデータが戻りましたが、送信した内容と異なります。</translation>
    </message>
    <message>
        <source>Loose plug or noise: push the plugs home and keep the cable away from the antenna.</source>
        <comment>62143</comment>
        <translation>プラグの接触不良かノイズです。プラグを奥までしっかり差し込み、ケーブルをアンテナから離してください。</translation>
    </message>
    <message>
        <source>Model %1, version %2, comment &quot;%3&quot;.</source>
        <comment>62144</comment>
        <translation>機種 %1、バージョン %2、コメント「%3」。</translation>
    </message>
    <message>
        <source>It matches the transceiver setup.</source>
        <comment>62145</comment>
        <translation>トランシーバー設定と一致しています。</translation>
    </message>
    <message>
        <source>It is not the model and revision this program programs (%1).</source>
        <comment>62146</comment>
        <translation>このプログラムでプログラムできる機種とリビジョンではありません (%1)。</translation>
    </message>
    <message>
        <source>This program cannot program that transceiver.</source>
        <comment>62147</comment>
        <translation>このプログラムでは、そのトランシーバーをプログラムできません。</translation>
    </message>
    <message>
        <source>Its version %1 is not the transceiver setup&apos;s %2.</source>
        <comment>62148</comment>
        <translation>バージョン %1 は、トランシーバー設定のバージョン %2 と異なります。</translation>
    </message>
    <message>
        <source>Set the transceiver setup to the transceiver&apos;s version, or use the file made for it.</source>
        <comment>62149</comment>
        <translation>トランシーバー設定をトランシーバーのバージョンに合わせるか、そのバージョン用に作成されたファイルを使用してください。</translation>
    </message>
    <message>
        <source>The cable echoed the request, but no answer came.</source>
        <comment>62150</comment>
        <translation>ケーブルは要求をエコーしましたが、応答がありませんでした。</translation>
    </message>
    <message>
        <source>The transceiver is off or not in clone mode.</source>
        <comment>62151</comment>
        <translation>トランシーバーの電源が切れているか、クローンモードになっていません。</translation>
    </message>
    <message>
        <source>The answer came, but broken.</source>
        <comment>62152</comment>
        <translation>応答はありましたが、壊れていました。</translation>
    </message>
    <message>
        <source>What was seen on the line</source>
        <comment>62160</comment>
        <translation>回線上で確認された内容</translation>
    </message>
    <message>
        <source>The port %1 could not be opened. %2</source>
        <comment>62161</comment>
        <translation>ポート %1 を開けませんでした。%2</translation>
    </message>
    <message>
        <source>Nothing came back on the line, not even the echo of what was sent: not a cloning cable, or not plugged into this port.</source>
        <comment>62162</comment>
        <translation>回線には何も戻りませんでした (送信した内容のエコーもありません)。クローンケーブルではないか、このポートに接続されていません。</translation>
    </message>
    <message>
        <source>The cable echoed the request, but the transceiver did not answer: the transceiver is off or not in clone mode.</source>
        <comment>62163</comment>
        <translation>ケーブルは要求をエコーしましたが、トランシーバーが応答しませんでした。トランシーバーの電源が切れているか、クローンモードになっていません。</translation>
    </message>
    <message>
        <source>The echo came back changed: loose plug or noise.</source>
        <comment>62164</comment>
        <translation>エコーが変化して戻りました。プラグの接触不良かノイズです。</translation>
    </message>
    <message>
        <source>The transceiver&apos;s information answer arrived broken: loose plug or noise.</source>
        <comment>62165</comment>
        <translation>トランシーバーの情報の応答が壊れて届きました。プラグの接触不良かノイズです。</translation>
    </message>
    <message>
        <source>A broken frame arrived at record %1: loose plug or noise.</source>
        <comment>62166</comment>
        <translation>レコード %1 で壊れたフレームが届きました。プラグの接触不良かノイズです。</translation>
    </message>
    <message>
        <source>The end of the data arrived broken after %1 records: loose plug or noise.</source>
        <comment>62167</comment>
        <translation>%1 レコードの後、データの終わりが壊れて届きました。プラグの接触不良かノイズです。</translation>
    </message>
    <message>
        <source>The line fell silent after record %1.</source>
        <comment>62168</comment>
        <translation>レコード %1 の後、回線が途絶えました。</translation>
    </message>
    <message>
        <source>The transceiver took %1 records and refused the write.</source>
        <comment>62169</comment>
        <translation>トランシーバーは %1 レコードを受け取りましたが、書き込みを拒否しました。</translation>
    </message>
    <message>
        <source>The line failed during the transfer: the adapter was unplugged, or its device went away.</source>
        <comment>62170</comment>
        <translation>転送中に回線が切断されました。アダプターが抜かれたか、そのデバイスがなくなりました。</translation>
    </message>
    <message>
        <source>Bytes came back, but not the echo of the request: loose plug or noise.</source>
        <comment>62171</comment>
        <translation>データは戻りましたが、要求のエコーではありません。プラグの接触不良かノイズです。</translation>
    </message>
    <message>
        <source>%1 - not connected</source>
        <comment>62172</comment>
        <translation>%1 - 未接続</translation>
    </message>
    <message>
        <source>The device is not there now: plug the cable in, or choose its device in COM Port &gt; Port Devices...</source>
        <comment>62173</comment>
        <translation>現在デバイスがありません。ケーブルを接続するか、[COMポート] &gt; [ポートのデバイス...] でデバイスを選択してください。</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <comment>62400</comment>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>%1, row skipped</source>
        <comment>62401</comment>
        <translation>%1。この行は取り込みません</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, more than any channel list (%2 MiB), nothing imported</source>
        <comment>62402</comment>
        <translation>ファイルのサイズが %1 バイトあり、チャンネルリストとしては大きすぎます (上限 %2 MiB)。何もインポートしません</translation>
    </message>
    <message>
        <source>no header line, nothing imported</source>
        <comment>62403</comment>
        <translation>ヘッダー行がありません。何もインポートしません</translation>
    </message>
    <message>
        <source>no %1 column, nothing imported</source>
        <comment>62404</comment>
        <translation>%1 列がありません。何もインポートしません</translation>
    </message>
    <message>
        <source>column %1 is given again as column %2, only column %3 is read</source>
        <comment>62405</comment>
        <translation>%1 列が %2 列目にもあります。読み込むのは %3 列目だけです</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <comment>62406</comment>
        <translation>引用符で囲まれたフィールドが閉じられていません</translation>
    </message>
    <message>
        <source>inside the quoted field that line %1 leaves open</source>
        <comment>62407</comment>
        <translation>%1 行目で閉じられていない引用符付きフィールドの中にあります</translation>
    </message>
    <message>
        <source>no Location</source>
        <comment>62408</comment>
        <translation>Location が空です</translation>
    </message>
    <message>
        <source>Location %1 is not a channel (0-99, P0A-P9B, CALL_...)</source>
        <comment>62409</comment>
        <translation>Location %1 はチャンネルではありません (0-99、P0A-P9B、CALL_...)</translation>
    </message>
    <message>
        <source>no Frequency</source>
        <comment>62410</comment>
        <translation>Frequency が空です</translation>
    </message>
    <message>
        <source>Frequency %1 cannot be stored</source>
        <comment>62411</comment>
        <translation>Frequency %1 はチャンネルに設定できません</translation>
    </message>
    <message>
        <source>Duplex %1 cannot be stored</source>
        <comment>62412</comment>
        <translation>Duplex %1 はチャンネルに設定できません</translation>
    </message>
    <message>
        <source>Duplex &apos;split&apos; takes the transmit frequency from Offset, and %1</source>
        <comment>62413</comment>
        <translation>Duplex &apos;split&apos; は送信周波数を Offset から取りますが、%1</translation>
    </message>
    <message>
        <source>it is blank</source>
        <comment>62414</comment>
        <translation>Offset が空です</translation>
    </message>
    <message>
        <source>%1 is none</source>
        <comment>62415</comment>
        <translation>%1 は送信周波数ではありません</translation>
    </message>
    <message>
        <source>Duplex &apos;split&apos; transmits on %1, %2 MHz from the receive frequency, more than the largest offset (%3)</source>
        <comment>62416</comment>
        <translation>Duplex &apos;split&apos; は %1 で送信しますが、受信周波数から %2 MHz 離れていて、最大のオフセット (%3) を超えています</translation>
    </message>
    <message>
        <source>Duplex &apos;split&apos; transmitting on %1 stored as %2</source>
        <comment>62417</comment>
        <translation>Duplex &apos;split&apos; の送信 %1 は、%2 として設定します</translation>
    </message>
    <message>
        <source>no duplex</source>
        <comment>62418</comment>
        <translation>デュプレックスなし</translation>
    </message>
    <message>
        <source>Duplex %1 Offset %2</source>
        <comment>62419</comment>
        <translation>Duplex %1 Offset %2</translation>
    </message>
    <message>
        <source>Duplex &apos;split&apos; transmits on %1, which the channel cannot hold (it would transmit on %2)</source>
        <comment>62420</comment>
        <translation>Duplex &apos;split&apos; は %1 で送信しますが、この送信周波数はチャンネルに設定できません (%2 で送信することになります)</translation>
    </message>
    <message>
        <source>%1 is outside the transceiver&apos;s bands</source>
        <comment>62421</comment>
        <translation>%1 はトランシーバーの周波数帯の範囲外です</translation>
    </message>
    <message>
        <source>no free channel left</source>
        <comment>62422</comment>
        <translation>この行を入れるチャンネルが残っていません</translation>
    </message>
    <message>
        <source>Location %1 is also on line %2, this row replaces it</source>
        <comment>62423</comment>
        <translation>Location %1 は %2 行目にもあります。この行で置き換えます</translation>
    </message>
    <message>
        <source>Memory channels %1-%2 are not a range within %3-%4.</source>
        <comment>62430</comment>
        <translation>メモリーチャンネル %1-%2 は、%3-%4 の中の範囲ではありません。</translation>
    </message>
    <message>
        <source>There is no row %1.</source>
        <comment>62431</comment>
        <translation>行 %1 はありません。</translation>
    </message>
    <message>
        <source>%1 does not move: program-scan edges and call channels keep their rows.</source>
        <comment>62432</comment>
        <translation>%1 は移動できません。プログラムスキャンエッジとコールチャンネルは行が固定されています。</translation>
    </message>
    <message>
        <source>A channel moves one row up or down at a time.</source>
        <comment>62433</comment>
        <translation>チャンネルは一度に1行ずつ上または下へ移動します。</translation>
    </message>
    <message>
        <source>%1 is the first memory channel: it cannot move up.</source>
        <comment>62434</comment>
        <translation>%1 は最初のメモリーチャンネルです。上へは移動できません。</translation>
    </message>
    <message>
        <source>%1 is the last memory channel: it cannot move down.</source>
        <comment>62435</comment>
        <translation>%1 は最後のメモリーチャンネルです。下へは移動できません。</translation>
    </message>
    <message>
        <source>%1 cannot be filled: every channel would hold the same.</source>
        <comment>62436</comment>
        <translation>%1 は一括設定できません。すべてのチャンネルが同じ値になってしまいます。</translation>
    </message>
    <message>
        <source>Mode %1 is not allowed at %2, left as it was</source>
        <comment>62437</comment>
        <translation>%2 では Mode %1 を使用できないため、元のままにしました</translation>
    </message>
    <message>
        <source>%1 %2 stored as %3</source>
        <comment>62438</comment>
        <translation>%1 %2 を %3 として設定しました</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <comment>62440</comment>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Program-scan edges</source>
        <comment>62441</comment>
        <translation>プログラムスキャンエッジ</translation>
    </message>
    <message>
        <source>Call channels</source>
        <comment>62442</comment>
        <translation>コールチャンネル</translation>
    </message>
    <message>
        <source>Common settings</source>
        <comment>62443</comment>
        <translation>共通設定</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <comment>62444</comment>
        <translation>DTMFメモリー</translation>
    </message>
    <message>
        <source>No memory channels in use.</source>
        <comment>62445</comment>
        <translation>使用中のメモリーチャンネルはありません。</translation>
    </message>
    <message>
        <source>%1 of %2 in use</source>
        <comment>62446</comment>
        <translation>使用中: %1 / %2</translation>
    </message>
    <message>
        <source>? marks a channel the transceiver would not accept as it is.</source>
        <comment>62447</comment>
        <translation>? は、トランシーバーがそのままでは受け付けないチャンネルを示します。</translation>
    </message>
    <message>
        <source>Setting</source>
        <comment>62448</comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Value</source>
        <comment>62449</comment>
        <translation>値</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>62450</comment>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Digits</source>
        <comment>62451</comment>
        <translation>番号</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <comment>62452</comment>
        <translation>印刷日: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <comment>62453</comment>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>normal coverage</source>
        <comment>62454</comment>
        <translation>標準の周波数範囲</translation>
    </message>
    <message>
        <source>expanded coverage</source>
        <comment>62455</comment>
        <translation>拡張周波数範囲</translation>
    </message>
    <message>
        <source>expanded coverage with the cellular bands</source>
        <comment>62456</comment>
        <translation>セルラーバンドを含む拡張周波数範囲</translation>
    </message>
    <message>
        <source>bands 50/144/430/1200 MHz</source>
        <comment>62457</comment>
        <translation>50/144/430/1200MHz帯</translation>
    </message>
    <message>
        <source>bands 144/430/1200 MHz</source>
        <comment>62458</comment>
        <translation>144/430/1200MHz帯</translation>
    </message>
    <message>
        <source>%1, destination %2, %3, %4</source>
        <comment>62459</comment>
        <translation>%1、仕向け地 %2、%3、%4</translation>
    </message>
    <message>
        <source>On</source>
        <comment>62460</comment>
        <translation>ON</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>62461</comment>
        <translation>OFF</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <comment>62462</comment>
        <translation>%1 (続き)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <comment>61618</comment>
        <translation>閉じる(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <comment>62108</comment>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Channels</source>
        <comment>62200</comment>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>62201</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>62202</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>not allowed for this transceiver version</source>
        <comment>62203</comment>
        <translation>このトランシーバーのバージョンでは使用できません</translation>
    </message>
    <message>
        <source>Instructions</source>
        <comment>62204</comment>
        <translation>説明</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <comment>62205</comment>
        <translation>DTMFメモリー</translation>
    </message>
    <message>
        <source>Digits</source>
        <comment>62206</comment>
        <translation>番号</translation>
    </message>
    <message>
        <source>Copies</source>
        <comment>62207</comment>
        <translation>コピー</translation>
    </message>
    <message>
        <source>COM&amp;1</source>
        <comment>62210</comment>
        <translation>COM&amp;1</translation>
    </message>
    <message>
        <source>COM&amp;2</source>
        <comment>62211</comment>
        <translation>COM&amp;2</translation>
    </message>
    <message>
        <source>COM&amp;3</source>
        <comment>62212</comment>
        <translation>COM&amp;3</translation>
    </message>
    <message>
        <source>COM&amp;4</source>
        <comment>62213</comment>
        <translation>COM&amp;4</translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <comment>62220</comment>
        <translation>%1 を開きました。</translation>
    </message>
    <message>
        <source>%1 was not opened.</source>
        <comment>62221</comment>
        <translation>%1 を開けませんでした。</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <comment>62222</comment>
        <translation>%1 を保存しました。</translation>
    </message>
    <message>
        <source>%1 was not saved.</source>
        <comment>62223</comment>
        <translation>%1 を保存できませんでした。</translation>
    </message>
    <message>
        <source>without duplex</source>
        <comment>62470</comment>
        <translation>デュプレックスなし</translation>
    </message>
    <message>
        <source>without a tone</source>
        <comment>62471</comment>
        <translation>トーンなし</translation>
    </message>
    <message>
        <source>without skip</source>
        <comment>62472</comment>
        <translation>スキップなし</translation>
    </message>
    <message>
        <source>without a name</source>
        <comment>62473</comment>
        <translation>名前なし</translation>
    </message>
    <message>
        <source>(blank)</source>
        <comment>62474</comment>
        <translation>(空欄)</translation>
    </message>
    <message>
        <source>%1 cannot be blank</source>
        <comment>62475</comment>
        <translation>%1 は空きチャンネルにできません</translation>
    </message>
    <message>
        <source>%1 %2 cannot be stored</source>
        <comment>62476</comment>
        <translation>%1 %2 はチャンネルに設定できません</translation>
    </message>
    <message>
        <source>%1 %2 stored as %3</source>
        <comment>62477</comment>
        <translation>%1 %2 を %3 として設定</translation>
    </message>
    <message>
        <source>%1 %2 is not a tone</source>
        <comment>62478</comment>
        <translation>%1 %2 はトーン周波数ではありません</translation>
    </message>
    <message>
        <source>%1 is not a tone, stored %2</source>
        <comment>62479</comment>
        <translation>%1 はトーン周波数にないため、最も近い %2 で設定</translation>
    </message>
    <message>
        <source>%1 %2 rounded to %3</source>
        <comment>62480</comment>
        <translation>%1 %2 を %3 に丸めて設定</translation>
    </message>
    <message>
        <source>a call channel has no name, Name %1 not stored</source>
        <comment>62481</comment>
        <translation>コールチャンネルには名前がないため、Name %1 は設定できません</translation>
    </message>
    <message>
        <source>only memory channels skip, Skip %1 not stored</source>
        <comment>62482</comment>
        <translation>スキップできるのはメモリーチャンネルだけのため、Skip %1 は設定できません</translation>
    </message>
    <message>
        <source>Mode %1 is not allowed at %2, stored %3</source>
        <comment>62483</comment>
        <translation>%2 では Mode %1 を使用できないため、%3 で設定</translation>
    </message>
    <message>
        <source>%1, stored %2</source>
        <comment>62484</comment>
        <translation>%1。%2 で設定</translation>
    </message>
    <message>
        <source>%1 is blank: give it a Frequency to use it</source>
        <comment>62485</comment>
        <translation>%1 は空きチャンネルです。使用するには Frequency を指定してください</translation>
    </message>
    <message>
        <source>%1 is outside the transceiver&apos;s bands, stored and marked ?</source>
        <comment>62486</comment>
        <translation>%1 はトランシーバーの周波数帯の範囲外です。? 印を付けて設定</translation>
    </message>
    <message>
        <source>no frequency</source>
        <comment>62490</comment>
        <translation>周波数なし</translation>
    </message>
    <message>
        <source>not a frequency</source>
        <comment>62491</comment>
        <translation>無効な周波数</translation>
    </message>
    <message>
        <source>%1: OK keeps %2</source>
        <comment>62492</comment>
        <translation>%1: [OK] を押すと %2 のままです</translation>
    </message>
    <message>
        <source>%1: OK will blank the channel</source>
        <comment>62493</comment>
        <translation>%1: [OK] を押すと空きチャンネルになります</translation>
    </message>
    <message>
        <source>will be stored as %1</source>
        <comment>62494</comment>
        <translation>%1 として設定されます</translation>
    </message>
    <message>
        <source>outside this transceiver&apos;s bands: stored with ?</source>
        <comment>62495</comment>
        <translation>このトランシーバーの周波数帯の範囲外: ? 印を付けて設定されます</translation>
    </message>
    <message>
        <source>characters outside A-Z 0-9 ( ) * + - . / : = become blanks: %1</source>
        <comment>62496</comment>
        <translation>A-Z 0-9 ( ) * + - . / : = 以外の文字は空白になります: %1</translation>
    </message>
    <message>
        <source>only six characters are kept: %1</source>
        <comment>62497</comment>
        <translation>先頭の6文字だけが設定されます: %1</translation>
    </message>
    <message>
        <source>%1 is not allowed here: %2</source>
        <comment>62498</comment>
        <translation>この周波数では %1 を使用できません: %2 になります</translation>
    </message>
</context>
</TS>
