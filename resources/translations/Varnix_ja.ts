<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CamInfoDlg</name>
    <message>
        <source>Camera Information</source>
        <translation>カメラ情報</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware Versions</source>
        <translation>ファームウェアバージョン</translation>
    </message>
    <message>
        <source>Camera Protocol</source>
        <translation>カメラプロトコル</translation>
    </message>
    <message>
        <source>Camera IP Address</source>
        <translation>カメラのIPアドレス</translation>
    </message>
    <message>
        <source>Camera Subnet Mask</source>
        <translation>カメラのサブネットマスク</translation>
    </message>
    <message>
        <source>Camera MAC Address</source>
        <translation>カメラのMACアドレス</translation>
    </message>
    <message>
        <source>Network Adp IP Address</source>
        <translation>アダプタのIPアドレス</translation>
    </message>
    <message>
        <source>Network Adp Subnet Mask</source>
        <translation>アダプタのサブネットマスク</translation>
    </message>
    <message>
        <source>Network Adp MTU</source>
        <translation>アダプタのMTU</translation>
    </message>
    <message>
        <source>Stored clips</source>
        <translation>保存済みクリップ</translation>
    </message>
</context>
<context>
    <name>ClipEditDlg</name>
    <message>
        <source>Camera clips</source>
        <translation>カメラのクリップ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Clip %1: %2 frames - %3 s</source>
        <translation>クリップ %1: %2 フレーム - %3 秒</translation>
    </message>
    <message>
        <source>Trim: %1 (%2 s) to %3 (%4 s) - %5 s
</source>
        <translation>トリム: %1 (%2 秒) から %3 (%4 秒) - %5 秒
</translation>
    </message>
</context>
<context>
    <name>IPEditDlg</name>
    <message>
        <source>Edit IP Address</source>
        <translation>IPアドレスの編集</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IPアドレス:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>サブネットマスク:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The subnet mask 0.0.0.0 cannot be used.</source>
        <translation>サブネットマスク 0.0.0.0 は使用できません。</translation>
    </message>
    <message>
        <source>The subnet mask must be ones followed by zeros, such as 255.255.255.0.</source>
        <translation>サブネットマスクは 1 の並びの後に 0 が続く形式にしてください (例: 255.255.255.0)。</translation>
    </message>
    <message>
        <source>The address 0.0.0.0 cannot be given to a camera.</source>
        <translation>アドレス 0.0.0.0 はカメラに設定できません。</translation>
    </message>
    <message>
        <source>The address 255.255.255.255 cannot be given to a camera.</source>
        <translation>アドレス 255.255.255.255 はカメラに設定できません。</translation>
    </message>
    <message>
        <source>Loopback addresses (127.x.x.x) cannot be given to a camera.</source>
        <translation>ループバックアドレス (127.x.x.x) はカメラに設定できません。</translation>
    </message>
    <message>
        <source>Multicast addresses (224.x.x.x to 239.x.x.x) cannot be given to a camera.</source>
        <translation>マルチキャストアドレス (224.x.x.x～239.x.x.x) はカメラに設定できません。</translation>
    </message>
    <message>
        <source>Reserved addresses (240.x.x.x and above) cannot be given to a camera.</source>
        <translation>予約済みアドレス (240.x.x.x 以上) はカメラに設定できません。</translation>
    </message>
    <message>
        <source>This is the network address of its subnet; it cannot be given to a camera.</source>
        <translation>これはサブネットのネットワークアドレスです。カメラには設定できません。</translation>
    </message>
    <message>
        <source>This is the broadcast address of its subnet; it cannot be given to a camera.</source>
        <translation>これはサブネットのブロードキャストアドレスです。カメラには設定できません。</translation>
    </message>
    <message>
        <source>Enter the address and the mask as four numbers from 0 to 255, separated by dots.</source>
        <translation>アドレスとマスクは 0～255 の 4 つの数値をドットで区切って入力してください。</translation>
    </message>
    <message>
        <source>An address has no plus or minus sign.</source>
        <translation>アドレスにプラスやマイナスの符号は付けられません。</translation>
    </message>
    <message>
        <source>An address has four numbers, not five.</source>
        <translation>アドレスの数値は 4 つです。5 つではありません。</translation>
    </message>
    <message>
        <source>This address is outside the network adapter&apos;s subnet: the camera will be listed in red and may become unreachable.</source>
        <translation>このアドレスはネットワークアダプターのサブネット外です。カメラは赤で表示され、接続できなくなる可能性があります。</translation>
    </message>
    <message>
        <source>Another camera in the list already uses this address.</source>
        <translation>このアドレスはリスト内の別のカメラがすでに使用しています。</translation>
    </message>
    <message>
        <source>The network adapter itself uses this address.</source>
        <translation>このアドレスはネットワークアダプター自身が使用しています。</translation>
    </message>
    <message>
        <source>The camera answers through a router. A new address goes by broadcast on the camera&apos;s own network segment, which the router does not pass: give it its address from a computer on that segment.</source>
        <translation>このカメラはルーター経由で応答しています。新しいアドレスはカメラのネットワークセグメント上でブロードキャストで送られますが、ルーターはそれを通しません: そのセグメント上のコンピューターからアドレスを設定してください。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Assign addresses...</source>
        <translation>アドレスを割り当て...</translation>
    </message>
    <message>
        <source>%1 (%2, MAC %3)</source>
        <translation>%1 (%2、MAC %3)</translation>
    </message>
    <message>
        <source>Camera without a row</source>
        <translation>行のないカメラ</translation>
    </message>
    <message>
        <source>Halvorn Varnix</source>
        <translation>Halvorn Varnix</translation>
    </message>
    <message>
        <source>&lt;b&gt;Network:&lt;/b&gt;</source>
        <translation>&lt;b&gt;ネットワーク:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Datagram size:&lt;/b&gt;</source>
        <translation>&lt;b&gt;データグラムサイズ:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Network preferences...</source>
        <translation>ネットワーク設定...</translation>
    </message>
    <message>
        <source>Update List</source>
        <translation>リストを更新</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>すべてのアダプタ (ブロードキャスト)</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>最適</translation>
    </message>
    <message>
        <source>1500 (standard)</source>
        <translation>1500 (標準)</translation>
    </message>
    <message>
        <source>2920</source>
        <translation>2920</translation>
    </message>
    <message>
        <source>4360</source>
        <translation>4360</translation>
    </message>
    <message>
        <source>5800</source>
        <translation>5800</translation>
    </message>
    <message>
        <source>7240</source>
        <translation>7240</translation>
    </message>
    <message>
        <source>8680</source>
        <translation>8680</translation>
    </message>
    <message>
        <source>Edit IP Address...</source>
        <translation>IPアドレスの編集...</translation>
    </message>
    <message>
        <source>Camera Info...</source>
        <translation>カメラ情報...</translation>
    </message>
    <message>
        <source>Edit clips...</source>
        <translation>クリップの編集...</translation>
    </message>
    <message>
        <source>Jumbo datagram size is enabled on network adapter and disabled on cameras. Cameras may not work properly.</source>
        <translation>ネットワークアダプタではジャンボデータグラムが有効ですが、カメラでは無効です。カメラが正しく動作しない可能性があります。</translation>
    </message>
    <message>
        <source>Jumbo datagram size is disabled on network adapter and enabled on cameras. Cameras may not work properly.</source>
        <translation>ネットワークアダプタではジャンボデータグラムが無効ですが、カメラでは有効です。カメラが正しく動作しない可能性があります。</translation>
    </message>
    <message>
        <source>More than one camera have the same IP address. Right click and select &apos;Edit IP Address...&apos; to change IP address.</source>
        <translation>複数のカメラが同じIPアドレスを使用しています。右クリックして「IPアドレスの編集...」を選択し、IPアドレスを変更してください。</translation>
    </message>
    <message>
        <source>More than one camera have the same MAC address.</source>
        <translation>複数のカメラが同じMACアドレスを使用しています。</translation>
    </message>
    <message>
        <source>More than one camera have the same Serial Number.</source>
        <translation>複数のカメラが同じシリアル番号を持っています。</translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>カメラ %1</translation>
    </message>
    <message>
        <source>Cameras involved: %1</source>
        <translation>該当するカメラ: %1</translation>
    </message>
    <message>
        <source>Copy details</source>
        <translation>詳細をコピー</translation>
    </message>
    <message>
        <source>No program for the network settings was found. Please open the network settings of your system yourself.</source>
        <translation>ネットワーク設定のプログラムが見つかりませんでした。システムのネットワーク設定を手動で開いてください。</translation>
    </message>
    <message>
        <source>Check the network for problems (Ctrl+D)</source>
        <translation>ネットワークの問題をチェック (Ctrl+D)</translation>
    </message>
    <message>
        <source>Check network...</source>
        <translation>ネットワークチェック...</translation>
    </message>
    <message>
        <source>The camera is no longer listed. Check again.</source>
        <translation>カメラはもう一覧にありません。再チェックしてください。</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>リスト(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Save list...</source>
        <translation>リストを保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Copy list</source>
        <translation>リストをコピー(&amp;C)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV 表 (*.csv)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>リストを保存</translation>
    </message>
    <message>
        <source>cameras</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>It is not a regular file; it is left as it is.</source>
        <translation>通常のファイルではないため、そのままにします。</translation>
    </message>
    <message>
        <source>The list could not be saved to %1.</source>
        <translation>リストを %1 に保存できませんでした。</translation>
    </message>
    <message>
        <source>The expected line cannot be read; the window goes on without it.
%1</source>
        <translation>基準ラインを読み込めません。基準ラインなしで続行します。
%1</translation>
    </message>
    <message>
        <source>Use as expected line</source>
        <translation>基準ラインとして使用</translation>
    </message>
    <message>
        <source>Open expected line...</source>
        <translation>基準ラインを開く...</translation>
    </message>
    <message>
        <source>Forget expected line</source>
        <translation>基準ラインを解除</translation>
    </message>
    <message>
        <source>Camera addresses...</source>
        <translation>カメラのアドレス...</translation>
    </message>
</context>
<context>
    <name>UdpCamManager</name>
    <message>
        <source>Live</source>
        <translation>ライブ</translation>
    </message>
    <message>
        <source>Waiting for trigger</source>
        <translation>トリガー待ち</translation>
    </message>
    <message>
        <source>Recording post-trigger</source>
        <translation>ポストトリガー記録中</translation>
    </message>
    <message>
        <source>Images in memory</source>
        <translation>メモリに画像あり</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>SD/SSD Transfer</source>
        <translation>SD/SSD転送中</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>アイドル</translation>
    </message>
    <message>
        <source>Status not yet known</source>
        <translation>状態はまだ不明</translation>
    </message>
    <message>
        <source>Unknown status (%1)</source>
        <translation>不明な状態 (%1)</translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>routed</source>
        <translation>ルーター経由</translation>
    </message>
</context>
<context>
    <name>FindingTexts</name>
    <message>
        <source>unlisted</source>
        <translation>一覧外</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>%1 cameras share the IP address %2: %3.</source>
        <translation>%1 台のカメラが IP アドレス %2 を共有しています: %3。</translation>
    </message>
    <message>
        <source>Give all but one of them a new address: connect one at a time and run varnix-scan --set-address CAMERA_IP NEW_IP MASK</source>
        <translation>1 台を除くすべてのカメラに新しいアドレスを設定してください: 1 台ずつ接続して varnix-scan --set-address CAMERA_IP NEW_IP MASK を実行します</translation>
    </message>
    <message>
        <source>%1 cameras share the MAC address %2: %3.</source>
        <translation>%1 台のカメラが MAC アドレス %2 を共有しています: %3。</translation>
    </message>
    <message>
        <source>A MAC address must be unique on a network: keep one of these cameras on this network and have the others&apos; MAC addresses corrected by the manufacturer</source>
        <translation>MAC アドレスはネットワーク内で一意である必要があります: このネットワークにはこれらのカメラのうち 1 台だけを残し、他のカメラの MAC アドレスはメーカーに修正を依頼してください</translation>
    </message>
    <message>
        <source>%1 cameras share the serial number %2: %3.</source>
        <translation>%1 台のカメラがシリアル番号 %2 を共有しています: %3。</translation>
    </message>
    <message>
        <source>A serial number names one camera: the others carry a copied configuration; have it corrected by the manufacturer</source>
        <translation>シリアル番号は 1 台のカメラを表します: 他のカメラはコピーされた設定を持っています。メーカーに修正を依頼してください</translation>
    </message>
    <message>
        <source>%1 uses jumbo frames (MTU %2) while the cameras send standard %3-byte datagrams: %4.</source>
        <translation>%1 はジャンボフレーム (MTU %2) を使用していますが、カメラは標準の %3 バイトのデータグラムを送信しています: %4。</translation>
    </message>
    <message>
        <source>%1 has MTU %2, too small for the cameras&apos; %3-byte datagrams (it needs MTU %4 or more): %5.</source>
        <translation>%1 の MTU は %2 で、カメラの %3 バイトのデータグラムには小さすぎます (MTU %4 以上が必要です): %5。</translation>
    </message>
    <message>
        <source>Set the MTU (jumbo packet size) of the adapter of %1 to %2</source>
        <translation>%1 のアダプタの MTU (ジャンボパケットサイズ) を %2 に設定してください</translation>
    </message>
    <message>
        <source>or, if the cameras use another datagram size, pass it with --datagram-size</source>
        <translation>または、カメラが別のデータグラムサイズを使用している場合は --datagram-size で指定してください</translation>
    </message>
    <message>
        <source>Camera %1 is outside the subnet %2 of %3: it is reached only through a host route, and not at all with strict reverse-path filtering.</source>
        <translation>カメラ %1 は %3 のサブネット %2 の外にあります: ホストルート経由でしか到達できず、厳格なリバースパスフィルタリングでは到達できません。</translation>
    </message>
    <message>
        <source>Widen the subnet of %1: it has no free address for the camera</source>
        <translation>%1 のサブネットを広げてください: カメラに割り当てる空きアドレスがありません</translation>
    </message>
    <message>
        <source>%1   (must leave through %2)</source>
        <translation>%1   (%2 から出ていく必要があります)</translation>
    </message>
    <message>
        <source>Let UDP from %1 in: firewalls on this machine and on the way must pass the camera&apos;s replies</source>
        <translation>%1 からの UDP を受け入れてください: このマシンと経路上のファイアウォールがカメラの応答を通す必要があります</translation>
    </message>
    <message>
        <source>Camera %1 answered discovery but none of its name, option or status requests: the unicast path to it is broken.</source>
        <translation>カメラ %1 は検出には応答しましたが、名前・オプション・ステータスの要求には応答していません: カメラへのユニキャスト経路が壊れています。</translation>
    </message>
    <message>
        <source>(loose mode, 2, keeps the protection; add the same settings under /etc/sysctl.d/ to keep them)</source>
        <translation>(緩和モード 2 でも保護は維持されます。設定を残すには同じ内容を /etc/sysctl.d/ に追加してください)</translation>
    </message>
    <message>
        <source>Strict reverse-path filtering on %1 drops the replies of cameras outside %2 before Varnix sees them.</source>
        <translation>%1 の厳格なリバースパスフィルタリングにより、%2 の外にあるカメラの応答は Varnix に届く前に破棄されます。</translation>
    </message>
    <message>
        <source>%1 (%2/%3) and %4 (%5/%6) share one subnet: a request to a camera leaves through one of them only, and replies may come back through the other.</source>
        <translation>%1 (%2/%3) と %4 (%5/%6) は同じサブネットを共有しています: カメラへの要求はどちらか一方からしか送信されず、応答がもう一方に戻ってくることがあります。</translation>
    </message>
    <message>
        <source>Give each camera adapter a subnet of its own and move its cameras into it (varnix-scan --set-address)</source>
        <translation>カメラ用のアダプタごとに専用のサブネットを割り当て、そのカメラをそこへ移動してください (varnix-scan --set-address)</translation>
    </message>
    <message>
        <source>Check the cable, the switch port and the camera&apos;s power</source>
        <translation>ケーブル、スイッチのポート、カメラの電源を確認してください</translation>
    </message>
    <message>
        <source>%1 is down: nothing behind it can answer.</source>
        <translation>%1 はダウンしています: その先の機器は応答できません。</translation>
    </message>
    <message>
        <source>%1 links at %2 Mb/s; cameras need 1 Gb/s or more.</source>
        <translation>%1 のリンク速度は %2 Mb/s です。カメラには 1 Gb/s 以上が必要です。</translation>
    </message>
    <message>
        <source>Check the cable (all four pairs), the switch port and auto-negotiation</source>
        <translation>ケーブル (4 対すべて)、スイッチのポート、オートネゴシエーションを確認してください</translation>
    </message>
    <message>
        <source>%1 links at %2 Mb/s, slower than the 10G cameras behind it: %3.</source>
        <translation>%1 のリンク速度は %2 Mb/s で、その先の 10G カメラより低速です: %3。</translation>
    </message>
    <message>
        <source>Connect them through a 10 Gb/s adapter and switch</source>
        <translation>10 Gb/s のアダプタとスイッチを介して接続してください</translation>
    </message>
    <message>
        <source>net.core.rmem_max is %1 bytes, below the %2 the discovery and camera sockets ask for: a discovery burst from more than about %3 cameras on one adapter overflows and cameras are missed.</source>
        <translation>net.core.rmem_max は %1 バイトで、検出用およびカメラ用ソケットが要求する %2 を下回っています: 1 つのアダプタに約 %3 台を超えるカメラがあると検出時の応答があふれ、カメラが見つからなくなります。</translation>
    </message>
    <message>
        <source>Nothing answered on %1 (%2).</source>
        <translation>%1 (%2) では何も応答しませんでした。</translation>
    </message>
    <message>
        <source>Check the cameras&apos; power and cables, or listen longer (--wait %1)</source>
        <translation>カメラの電源とケーブルを確認するか、より長く待ってください (--wait %1)</translation>
    </message>
    <message>
        <source>Cameras share an IP address</source>
        <translation>カメラの IP アドレスが重複しています</translation>
    </message>
    <message>
        <source>Cameras share a MAC address</source>
        <translation>カメラの MAC アドレスが重複しています</translation>
    </message>
    <message>
        <source>Cameras share a serial number</source>
        <translation>カメラのシリアル番号が重複しています</translation>
    </message>
    <message>
        <source>Datagram size and adapter MTU do not match</source>
        <translation>データグラムサイズとアダプタの MTU が一致しません</translation>
    </message>
    <message>
        <source>Camera outside the adapter&apos;s subnet</source>
        <translation>カメラがアダプタのサブネット外にあります</translation>
    </message>
    <message>
        <source>Camera does not answer requests</source>
        <translation>カメラが要求に応答しません</translation>
    </message>
    <message>
        <source>Strict reverse-path filtering</source>
        <translation>厳格なリバースパスフィルタリング</translation>
    </message>
    <message>
        <source>Firewall blocks the cameras&apos; replies</source>
        <translation>ファイアウォールがカメラの応答をブロックしています</translation>
    </message>
    <message>
        <source>Adapters share a subnet</source>
        <translation>アダプタがサブネットを共有しています</translation>
    </message>
    <message>
        <source>Network link</source>
        <translation>ネットワークリンク</translation>
    </message>
    <message>
        <source>Receive buffer too small</source>
        <translation>受信バッファが小さすぎます</translation>
    </message>
    <message>
        <source>No camera answered on an adapter</source>
        <translation>アダプタ上で応答したカメラがありません</translation>
    </message>
    <message>
        <source>The path to a camera is too narrow</source>
        <translation>カメラまでの経路が狭すぎます</translation>
    </message>
    <message>
        <source>Jumbo packet setting of the adapter</source>
        <translation>アダプタのジャンボパケット設定</translation>
    </message>
    <message>
        <source>Receive buffers of the adapter</source>
        <translation>アダプタの受信バッファ</translation>
    </message>
    <message>
        <source>Answers from impossible addresses</source>
        <translation>あり得ないアドレスからの応答</translation>
    </message>
    <message>
        <source>Something on the link answers discovery from addresses no camera can have (%1); it is not listed and nothing is sent to it.</source>
        <translation>ネットワーク上の何かが、カメラが持ち得ないアドレス (%1) から検索に応答しています。一覧には表示されず、何も送信されません。</translation>
    </message>
    <message>
        <source>Find the device that answers from these addresses and correct its address.</source>
        <translation>これらのアドレスから応答している機器を見つけ、そのアドレスを修正してください。</translation>
    </message>
    <message>
        <source>Interrupt moderation of the adapter</source>
        <translation>アダプタの割り込みモデレーション</translation>
    </message>
    <message>
        <source>The path to camera %1 carries packets of at most %2 bytes, but its datagrams need %3: something on the way drops them, and no image arrives.</source>
        <translation>カメラ %1 までの経路は最大 %2 バイトのパケットしか通しませんが、データグラムには %3 バイトが必要です: 経路上のどこかで破棄され、画像が届きません。</translation>
    </message>
    <message>
        <source>Every switch and network card between %1 and %2 must pass jumbo frames of %3 bytes or more (MTU 9000 on each of them)</source>
        <translation>%1 と %2 の間にあるすべてのスイッチとネットワークカードが %3 バイト以上のジャンボフレームを通す必要があります (それぞれ MTU 9000)</translation>
    </message>
    <message>
        <source>or set the camera to %1-byte datagrams, which fit the path, and check with --datagram-size %1</source>
        <translation>または、経路を通る %1 バイトのデータグラムにカメラを設定し、--datagram-size %1 で確認してください</translation>
    </message>
    <message>
        <source>The input chain &quot;%1&quot; drops what it does not accept and accepts no UDP to the discovery ports %2: the cameras&apos; replies never arrive.</source>
        <translation>入力チェーン &quot;%1&quot; は許可しないものを破棄し、検出ポート %2 への UDP を許可していません: カメラの応答は届きません。</translation>
    </message>
    <message>
        <source>(camera replies to name and status requests also need &quot;ct state established,related accept&quot; in that chain)</source>
        <translation>(名前とステータスの要求に対するカメラの応答には、このチェーンに &quot;ct state established,related accept&quot; も必要です)</translation>
    </message>
    <message>
        <source>ufw lets no UDP to the discovery ports %1 in on %2: the cameras&apos; replies never arrive.</source>
        <translation>ufw は %2 で検出ポート %1 への UDP を受け入れていません: カメラの応答は届きません。</translation>
    </message>
    <message>
        <source>firewalld&apos;s zone %1 lets no UDP to the discovery ports %2 in on %3: the cameras&apos; replies never arrive.</source>
        <translation>firewalld のゾーン %1 は %3 で検出ポート %2 への UDP を受け入れていません: カメラの応答は届きません。</translation>
    </message>
    <message>
        <source>or give the camera adapter a zone of its own that accepts them</source>
        <translation>または、カメラ用アダプタにそれらを受け入れる専用ゾーンを割り当ててください</translation>
    </message>
    <message>
        <source>(in PowerShell run as administrator; the adapter restarts)</source>
        <translation>(管理者として実行した PowerShell で実行します。アダプタが再起動します)</translation>
    </message>
    <message>
        <source>The driver of %1 passes frames of up to %2 bytes (*JumboPacket): the cameras&apos; %3-byte datagrams need %4, and every image datagram is dropped.</source>
        <translation>%1 のドライバは最大 %2 バイトのフレームしか通しません (*JumboPacket): カメラの %3 バイトのデータグラムには %4 が必要で、画像データグラムはすべて破棄されます。</translation>
    </message>
    <message>
        <source>The driver of %1 keeps %2 receive buffers (*ReceiveBuffers): an image burst overflows them and datagrams are lost.</source>
        <translation>%1 のドライバの受信バッファは %2 個です (*ReceiveBuffers): 画像のバーストであふれ、データグラムが失われます。</translation>
    </message>
    <message>
        <source>Interrupt moderation is off on %1 (*InterruptModeration): every datagram interrupts the processor, which falls behind during an image transfer.</source>
        <translation>%1 の割り込みモデレーションがオフです (*InterruptModeration): データグラムごとにプロセッサに割り込みが入り、画像転送中に処理が追いつかなくなります。</translation>
    </message>
    <message>
        <source>Adapter on a Public network</source>
        <translation>パブリック ネットワーク上のアダプタ</translation>
    </message>
    <message>
        <source>Windows counts the network of %1 as Public and trusts it least: its firewall may drop the cameras&apos; discovery replies there.</source>
        <translation>Windows は %1 のネットワークをパブリックとして扱い、最も信頼しません: ファイアウォールがそこでカメラの検出応答を破棄することがあります。</translation>
    </message>
    <message>
        <source>(in PowerShell run as administrator)</source>
        <translation>(管理者として実行した PowerShell で実行します)</translation>
    </message>
    <message>
        <source>The firewall rule &quot;%1&quot; blocks UDP to %2 (%3 profile), whatever other rules allow: the cameras&apos; replies never arrive.</source>
        <translation>ファイアウォール規則 &quot;%1&quot; は、他の規則の許可にかかわらず %2 への UDP をブロックしています (%3 プロファイル): カメラの応答は届きません。</translation>
    </message>
    <message>
        <source>Windows Defender Firewall blocks all incoming traffic (%1 profile): the cameras&apos; replies never arrive.</source>
        <translation>Windows Defender ファイアウォールがすべての受信トラフィックをブロックしています (%1 プロファイル): カメラの応答は届きません。</translation>
    </message>
    <message>
        <source>Windows Defender Firewall (%1 profile) has no inbound rule letting UDP reach %2: the cameras&apos; replies never arrive.</source>
        <translation>Windows Defender ファイアウォール (%1 プロファイル) に %2 への UDP を許可する受信規則がありません: カメラの応答は届きません。</translation>
    </message>
    <message>
        <source>(in a command prompt run as administrator)</source>
        <translation>(管理者として実行したコマンドプロンプトで実行します)</translation>
    </message>
    <message>
        <source>(Disable-NetFirewallRule in PowerShell)</source>
        <translation>(Disable-NetFirewallRule は PowerShell で実行)</translation>
    </message>
    <message>
        <source>Expected camera missing</source>
        <translation>基準ラインのカメラが見つかりません</translation>
    </message>
    <message>
        <source>Expected camera moved</source>
        <translation>基準ラインのカメラが移動しています</translation>
    </message>
    <message>
        <source>Camera not in the expected line</source>
        <translation>基準ラインにないカメラ</translation>
    </message>
    <message>
        <source>MAC %1</source>
        <translation>MAC %1</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <translation>%1、シリアル番号 %2</translation>
    </message>
    <message>
        <source>If the line has changed for good, save the camera list again as the expected line</source>
        <translation>ラインが恒久的に変わった場合は、カメラリストを基準ラインとして保存し直してください</translation>
    </message>
    <message>
        <source>Camera %1 of the expected line did not answer.</source>
        <translation>基準ラインのカメラ %1 が応答しませんでした。</translation>
    </message>
    <message>
        <source>Camera %1 of the expected line did not answer at %2.</source>
        <translation>基準ラインのカメラ %1 が %2 で応答しませんでした。</translation>
    </message>
    <message>
        <source>Camera %1 answers with its MAC address but another serial number (%2): a different camera with a copied MAC address.</source>
        <translation>カメラ %1 がその MAC アドレスで応答していますが、シリアル番号が異なります (%2): MAC アドレスをコピーした別のカメラです。</translation>
    </message>
    <message>
        <source>Camera %1 answers through %2, not at %3 through %4 where the expected line has it.</source>
        <translation>カメラ %1 は %2 経由で応答しています。基準ラインでは %4 経由の %3 です。</translation>
    </message>
    <message>
        <source>Camera %1 answers through %2, not through %3 where the expected line has it.</source>
        <translation>カメラ %1 は %2 経由で応答しています。基準ラインでは %3 経由です。</translation>
    </message>
    <message>
        <source>Camera %1 answers there, not at %2 where the expected line has it.</source>
        <translation>カメラ %1 はそのアドレスで応答しています。基準ラインでは %2 です。</translation>
    </message>
    <message>
        <source>Connect it to %1 again, where the expected line has it</source>
        <translation>基準ラインのとおり、%1 に接続し直してください</translation>
    </message>
    <message>
        <source>Give it the address %1 again</source>
        <translation>アドレス %1 を設定し直してください</translation>
    </message>
    <message>
        <source>Camera %1 answers but is not in the expected line.</source>
        <translation>カメラ %1 は応答していますが、基準ラインにありません。</translation>
    </message>
    <message>
        <source>If it belongs to the line, save the camera list again as the expected line; otherwise take it off the camera network</source>
        <translation>ラインの一部であれば、カメラリストを基準ラインとして保存し直してください。そうでなければカメラネットワークから外してください</translation>
    </message>
    <message>
        <source>Camera %1 carries the MAC address of camera %2 of the expected line but another serial number: a different camera with a copied MAC address.</source>
        <translation>カメラ %1 は基準ラインのカメラ %2 の MAC アドレスを持っていますが、シリアル番号が異なります: MAC アドレスをコピーした別のカメラです。</translation>
    </message>
    <message>
        <source>A MAC address names one camera: have this camera&apos;s MAC address corrected by the manufacturer</source>
        <translation>MAC アドレスは 1 台のカメラを示します: このカメラの MAC アドレスをメーカーに修正してもらってください</translation>
    </message>
</context>
<context>
    <name>NetworkCheckWindow</name>
    <message>
        <source>Assign addresses...</source>
        <translation>アドレスを割り当て...</translation>
    </message>
    <message>
        <source>Network check</source>
        <translation>ネットワークチェック</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>再チェック</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>レポートをコピー</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>レポートを保存...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Checking the network...</source>
        <translation>ネットワークをチェックしています...</translation>
    </message>
    <message>
        <source>Probing the path to each camera...</source>
        <translation>各カメラまでの経路を調べています...</translation>
    </message>
    <message>
        <source>No problem found on any adapter.</source>
        <translation>どのアダプタにも問題は見つかりませんでした。</translation>
    </message>
    <message>
        <source>No problem found on %1.</source>
        <translation>%1 に問題は見つかりませんでした。</translation>
    </message>
    <message>
        <source>All adapters: problems %1, warnings %2.</source>
        <translation>すべてのアダプタ: 問題 %1 件、警告 %2 件。</translation>
    </message>
    <message>
        <source>Adapter %1: problems %2, warnings %3.</source>
        <translation>アダプタ %1: 問題 %2 件、警告 %3 件。</translation>
    </message>
    <message>
        <source>The path probe was cancelled: the paths were not checked.</source>
        <translation>経路の調査はキャンセルされました: 経路はチェックされていません。</translation>
    </message>
    <message>
        <source>The paths were not checked: this program may not send ICMP echo here.</source>
        <translation>経路はチェックされていません: このプログラムはここで ICMP エコーを送信できません。</translation>
    </message>
    <message>
        <source>Paths not checked, the camera answers no echo: %1</source>
        <translation>カメラがエコーに応答しないため経路をチェックしていません: %1</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Cameras: %1</source>
        <translation>カメラ: %1</translation>
    </message>
    <message>
        <source>Click a camera to select it in the list</source>
        <translation>カメラをクリックするとリストで選択されます</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Move camera...</source>
        <translation>カメラを移動...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>レポートを保存</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON ファイル (*.json)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>レポートを %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the report was not written.</source>
        <translation>%1 は通常のファイルではありません。レポートは書き込まれませんでした。</translation>
    </message>
    <message>
        <source>Not readable here, so not checked: %1.</source>
        <translation>ここでは読み取れないためチェックしていません: %1。</translation>
    </message>
</context>
<context>
    <name>FixView</name>
    <message>
        <source>The adapter restarts.</source>
        <translation>アダプタは再起動します。</translation>
    </message>
    <message>
        <source>In PowerShell run as administrator:</source>
        <translation>管理者として実行した PowerShell で:</translation>
    </message>
    <message>
        <source>In a command prompt run as administrator:</source>
        <translation>管理者として実行したコマンドプロンプトで:</translation>
    </message>
    <message>
        <source>In a terminal:</source>
        <translation>ターミナルで:</translation>
    </message>
    <message>
        <source>The route to the camera must leave through %1; in a terminal:</source>
        <translation>カメラへの経路は %1 から出ていく必要があります。ターミナルで:</translation>
    </message>
    <message>
        <source>Move camera... gives it the free address %1 (mask %2) in the subnet of %3.</source>
        <translation>カメラを移動... で、%3 のサブネット内の空きアドレス %1 (マスク %2) を設定します。</translation>
    </message>
    <message>
        <source>Give all but one of them a new address: right-click each in the camera list and choose Edit IP Address...</source>
        <translation>1 台を除くすべてのカメラに新しいアドレスを設定してください: カメラ一覧で各カメラを右クリックし、IPアドレスの編集... を選びます</translation>
    </message>
    <message>
        <source>Give each camera adapter a subnet of its own and move its cameras into it (Edit IP Address... in the camera list).</source>
        <translation>カメラ用アダプタごとに専用のサブネットを割り当て、そのカメラをそこへ移してください (カメラ一覧の IPアドレスの編集...)。</translation>
    </message>
    <message>
        <source>Or, if the cameras use another datagram size, choose it under Datagram size, then Check again.</source>
        <translation>または、カメラが別のデータグラムサイズを使用している場合は、データグラムサイズでそれを選び、再チェックしてください。</translation>
    </message>
    <message>
        <source>Or set the camera to %1-byte datagrams, which fit the path, choose %1 under Datagram size, then Check again.</source>
        <translation>または、経路を通る %1 バイトのデータグラムにカメラを設定し、データグラムサイズで %1 を選んで再チェックしてください。</translation>
    </message>
    <message>
        <source>Check the cameras&apos; power and cables; a camera that has just been switched on answers a little later: Update List, then Check again.</source>
        <translation>カメラの電源とケーブルを確認してください。電源を入れたばかりのカメラは少し遅れて応答します: リストを更新してから再チェックしてください。</translation>
    </message>
    <message>
        <source>firewall</source>
        <translation>ファイアウォール</translation>
    </message>
    <message>
        <source>adapter settings</source>
        <translation>アダプタの設定</translation>
    </message>
    <message>
        <source>link state</source>
        <translation>リンク状態</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 の%1</translation>
    </message>
    <message>
        <source>Move camera... gives it back the address %1 (mask %2) that the expected line has for it.</source>
        <translation>カメラを移動... で、基準ラインにあるアドレス %1 (マスク %2) に戻します。</translation>
    </message>
</context>
<context>
    <name>CameraList</name>
    <message>
        <source>Index</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>マスク</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC アドレス</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>アダプター</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>プロトコル</translation>
    </message>
    <message>
        <source>In subnet</source>
        <translation>サブネット内</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>競合</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>AssignAddressesDlg</name>
    <message>
        <source>Not changed</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>Does not answer at %1</source>
        <translation>%1 で応答なし</translation>
    </message>
    <message>
        <source>Answers at %1</source>
        <translation>%1 で応答あり</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信済み</translation>
    </message>
    <message>
        <source>Looking for the cameras at their new addresses...</source>
        <translation>新しいアドレスでカメラを検索しています...</translation>
    </message>
    <message>
        <source>Sending the new addresses...</source>
        <translation>新しいアドレスを送信しています...</translation>
    </message>
    <message>
        <source>Another camera already uses this address or is given it here.</source>
        <translation>このアドレスは別のカメラがすでに使用しているか、ここで割り当てられています。</translation>
    </message>
    <message>
        <source>Enter the address as four numbers from 0 to 255, separated by dots.</source>
        <translation>アドレスは 0～255 の 4 つの数字をドットで区切って入力してください。</translation>
    </message>
    <message>
        <source>Every camera has an address of its own in its network adapter's subnet.</source>
        <translation>すべてのカメラがネットワークアダプターのサブネット内に固有のアドレスを持っています。</translation>
    </message>
    <message>
        <source>Looking for free addresses...</source>
        <translation>空きアドレスを検索しています...</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers from 0 to 255, separated by dots.</source>
        <translation>開始アドレスは 0～255 の 4 つの数字をドットで区切って入力してください。</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>New address</source>
        <translation>新しいアドレス</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC アドレス</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>First address:</source>
        <translation>開始アドレス:</translation>
    </message>
    <message>
        <source>These cameras share their address with another camera or lie outside the subnet of their network adapter. Each is offered a free address in that subnet; nothing is sent before &quot;Apply&quot;.</source>
        <translation>これらのカメラは他のカメラとアドレスが重複しているか、ネットワークアダプターのサブネット外にあります。それぞれにそのサブネット内の空きアドレスを提案します。「適用」を押すまで何も送信されません。</translation>
    </message>
    <message>
        <source>Assign addresses</source>
        <translation>アドレスの割り当て</translation>
    </message>
</context>
<context>
    <name>LineView</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The list could not be kept as the expected line.</source>
        <translation>リストを基準ラインとして保存できませんでした。</translation>
    </message>
    <message>
        <source>Open expected line</source>
        <translation>基準ラインを開く</translation>
    </message>
    <message>
        <source>Saved camera lists (*.json);;All files (*)</source>
        <translation>保存したカメラリスト (*.json);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>This file cannot be used as the expected line.</source>
        <translation>このファイルは基準ラインとして使用できません。</translation>
    </message>
    <message>
        <source>Expected line: %1 of %2 cameras so far</source>
        <translation>基準ライン: これまでに %2 台中 %1 台</translation>
    </message>
    <message>
        <source>Expected line: %1 of %2 cameras</source>
        <translation>基準ライン: %2 台中 %1 台</translation>
    </message>
    <message numerus="yes">
        <source>, %n moved</source>
        <translation>
            <numerusform>、%n 台移動</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n not in the line</source>
        <translation>
            <numerusform>、%n 台はライン外</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved: the expected line has it at %1 through %2</source>
        <translation>移動: 基準ラインでは %2 経由の %1 です</translation>
    </message>
    <message>
        <source>Moved: the expected line has it at %1</source>
        <translation>移動: 基準ラインでは %1 です</translation>
    </message>
    <message>
        <source>Not in the expected line: it carries the MAC address of one of its cameras, with another serial number</source>
        <translation>基準ラインにありません: ラインのカメラの MAC アドレスを持っていますが、シリアル番号が異なります</translation>
    </message>
    <message>
        <source>Not in the expected line</source>
        <translation>基準ラインにありません</translation>
    </message>
</context>
<context>
    <name>Targets</name>
    <message>
        <source>This is not an address: four numbers from 0 to 255 separated by dots, optionally followed by a slash and a prefix length.</source>
        <translation>アドレスではありません: 0 から 255 までの 4 つの数値をドットで区切り、必要ならスラッシュとプレフィックス長を続けてください。</translation>
    </message>
    <message>
        <source>The prefix length after the slash must be a number from 0 to 32.</source>
        <translation>スラッシュの後のプレフィックス長は 0 から 32 までの数値にしてください。</translation>
    </message>
    <message>
        <source>A range may hold at most 1024 addresses (a /22): give a longer prefix, or several ranges.</source>
        <translation>範囲に含められるアドレスは最大 1024 個 (/22) です: より長いプレフィックスか、複数の範囲を指定してください。</translation>
    </message>
    <message>
        <source>All camera addresses together may hold at most 1024 addresses.</source>
        <translation>カメラのアドレスは合計で最大 1024 個までです。</translation>
    </message>
    <message>
        <source>Addresses 0.x.x.x (0.0.0.0 among them) are no destination.</source>
        <translation>0.x.x.x のアドレス (0.0.0.0 を含む) は宛先になりません。</translation>
    </message>
    <message>
        <source>255.255.255.255 is the broadcast, which goes out anyway.</source>
        <translation>255.255.255.255 はブロードキャストで、常に送信されます。</translation>
    </message>
    <message>
        <source>Loopback addresses (127.x.x.x) lead back to this computer, not to a camera.</source>
        <translation>ループバックアドレス (127.x.x.x) はこのコンピューター自身を指し、カメラには届きません。</translation>
    </message>
    <message>
        <source>Multicast addresses (224.x.x.x to 239.x.x.x) are no camera&apos;s address.</source>
        <translation>マルチキャストアドレス (224.x.x.x～239.x.x.x) はカメラのアドレスではありません。</translation>
    </message>
    <message>
        <source>Reserved addresses (240.x.x.x and above) are no camera&apos;s address.</source>
        <translation>予約済みアドレス (240.x.x.x 以上) はカメラのアドレスではありません。</translation>
    </message>
    <message>
        <source>This is the network address of a subnet of this computer; no camera answers there.</source>
        <translation>これはこのコンピューターのサブネットのネットワークアドレスです。ここで応答するカメラはありません。</translation>
    </message>
    <message>
        <source>This is the broadcast address of a subnet of this computer, which the broadcast reaches anyway.</source>
        <translation>これはこのコンピューターのサブネットのブロードキャストアドレスで、ブロードキャストが常に届きます。</translation>
    </message>
    <message>
        <source>This computer itself has this address.</source>
        <translation>このコンピューター自身のアドレスです。</translation>
    </message>
</context>
<context>
    <name>TargetsDlg</name>
    <message>
        <source>Camera addresses</source>
        <translation>カメラのアドレス</translation>
    </message>
    <message>
        <source>A broadcast does not pass a router. Cameras behind one are asked at their own addresses: one address or range per line, such as 10.88.0.5 or 10.88.0.0/24 (at most 1024 addresses). Discovery asks them in every round, beside the broadcast.</source>
        <translation>ブロードキャストはルーターを通過しません。ルーターの先にあるカメラには、それぞれのアドレスで問い合わせます: 1 行に 1 つのアドレスまたは範囲 (例: 10.88.0.5、10.88.0.0/24、最大 1024 アドレス)。検索ではブロードキャストに加えて、毎回これらにも問い合わせます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Line %1 (%2): %3</source>
        <translation>%1 行目 (%2): %3</translation>
    </message>
    <message>
        <source>No address: discovery asks by broadcast only.</source>
        <translation>アドレスなし: 検索はブロードキャストのみで行います。</translation>
    </message>
    <message numerus="yes">
        <source>%n address(es) asked in every discovery round.</source>
        <translation>
            <numerusform>検索のたびに %n 個のアドレスに問い合わせます。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExpectedLine</name>
    <message>
        <source>there is no such file</source>
        <translation>そのファイルはありません</translation>
    </message>
    <message>
        <source>this is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is too large to be a camera list (more than 16 MiB)</source>
        <translation>カメラリストとしては大きすぎるファイルです (16 MiB 超)</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>this is not JSON: %1 at line %2, column %3</source>
        <translation>JSON ではありません: %2 行目 %3 列で %1</translation>
    </message>
    <message>
        <source>this is not a camera list: it is no JSON object with a &quot;cameras&quot; array</source>
        <translation>カメラリストではありません: &quot;cameras&quot; 配列を持つ JSON オブジェクトではありません</translation>
    </message>
    <message>
        <source>the camera list has no cameras</source>
        <translation>カメラリストにカメラがありません</translation>
    </message>
    <message>
        <source>entry %1 of &quot;cameras&quot; is not a camera (a JSON object)</source>
        <translation>&quot;cameras&quot; の %1 番目の項目がカメラ (JSON オブジェクト) ではありません</translation>
    </message>
    <message>
        <source>entry %1 of &quot;cameras&quot; has no &quot;mac&quot;</source>
        <translation>&quot;cameras&quot; の %1 番目の項目に &quot;mac&quot; がありません</translation>
    </message>
    <message>
        <source>entry %1 of &quot;cameras&quot; has a malformed &quot;%2&quot;: %3</source>
        <translation>&quot;cameras&quot; の %1 番目の項目の &quot;%2&quot; が不正です: %3</translation>
    </message>
    <message>
        <source>entries %1 and %2 of &quot;cameras&quot; have the same MAC %3</source>
        <translation>&quot;cameras&quot; の %1 番目と %2 番目の項目が同じ MAC %3 です</translation>
    </message>
</context>
<context>
    <name>AdapterChoice</name>
    <message>
        <source>%1 [gone]</source>
        <translation>%1 [切断]</translation>
    </message>
    <message>
        <source>Its adapter is gone: this camera cannot be reached until the adapter is back.</source>
        <translation>このカメラのアダプターが見つかりません。アダプターが戻るまで、このカメラには接続できません。</translation>
    </message>
    <message>
        <source>%1 is now at %2: looking for its cameras again.</source>
        <translation>%1 のアドレスが %2 に変わりました。カメラを再検索しています。</translation>
    </message>
    <message>
        <source>%1 is up: looking for its cameras.</source>
        <translation>%1 が使用可能になりました。カメラを検索しています。</translation>
    </message>
    <message>
        <source>%1 is gone: its cameras cannot be reached until it is back.</source>
        <translation>%1 が見つかりません。再び接続されるまで、そのカメラには接続できません。</translation>
    </message>
</context>
</TS>
