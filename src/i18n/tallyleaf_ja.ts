<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>通貨(&amp;C):</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>開始残高(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A):</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>銀行名（任意）</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I):</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>下 4 桁（任意）</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>口座番号(&amp;U):</translation>
    </message>
</context>
<context>
    <name>AccountSetup</name>
    <message>
        <source>Opening Balance</source>
        <translation>開始残高</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座を共有できませんでした（HTTP %1）</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>データベースを初期化できませんでした。

データフォルダー: %1

ファイルのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message>
        <source>Invalid backup: manifest.json is too large</source>
        <translation>無効なバックアップです: manifest.json が大きすぎます</translation>
    </message>
    <message>
        <source>Invalid backup: manifest.json is damaged</source>
        <translation>無効なバックアップです: manifest.json が破損しています</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>無効なバックアップです: manifest.json がありません</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>サポートされていないバックアップのバージョンです: %1</translation>
    </message>
    <message>
        <source>%1: entry too large</source>
        <translation>%1: エントリが大きすぎます</translation>
    </message>
    <message>
        <source>%1: damaged entry</source>
        <translation>%1: エントリが破損しています</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON が無効です</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: 予期しないエラーです</translation>
    </message>
    <message>
        <source>The restore stopped and changed nothing: %1</source>
        <translation>復元を中止しました。何も変更されていません: %1</translation>
    </message>
    <message>
        <source>The restore stopped: %1</source>
        <translation>復元を中止しました: %1</translation>
    </message>
    <message>
        <source>the ids that sync renamed could not be read</source>
        <translation>同期で変更されたIDを読み込めませんでした</translation>
    </message>
    <message>
        <source>The backup archive could not be written: %1</source>
        <translation>バックアップアーカイブを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>The backup could not read the table %1: %2</source>
        <translation>バックアップでテーブル %1 を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>Invalid backup: its entries hold more than %1 MB</source>
        <translation>無効なバックアップです: エントリの合計が %1 MB を超えています</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s) could not be written: %2</source>
        <translation>
            <numerusform>%1: %n 行を書き込めませんでした: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Delete &quot;%1&quot;? It will no longer be offered for new entries. Transactions and recurring transactions that use it keep it, and the register still shows its name.</source>
        <translation>「%1」を削除しますか？今後、新しい入力では選択肢に表示されなくなります。このカテゴリを使用している取引と定期取引ではそのまま残り、出納帳にも引き続きカテゴリ名が表示されます。</translation>
    </message>
    <message>
        <source>Its subcategories move to the top level.</source>
        <translation>サブカテゴリは最上位に移動します。</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>カテゴリを検索...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ 新規カテゴリ</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>新規カテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>サブカテゴリを追加(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>保存できませんでした</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation>カテゴリ「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>「%1」の変更を保存できませんでした。</translation>
    </message>
    <message>
        <source>This category no longer exists. Nothing was saved.</source>
        <translation>このカテゴリはもう存在しません。何も保存されていません。</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>削除できませんでした</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation>カテゴリ「%1」を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>新規サブカテゴリ</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>親カテゴリ(&amp;P):</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>カテゴリ名</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>振替</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>税務関連</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>このカテゴリを確定申告用の税務レポートの対象にします。</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>例: charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>税コード(&amp;C):</translation>
    </message>
    <message>
        <source>A category named &quot;%1&quot; already exists here. Choose another name.</source>
        <translation>「%1」という名前のカテゴリはここに既にあります。別の名前を付けてください。</translation>
    </message>
</context>
<context>
    <name>CategoryLookup</name>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>One category name, quoted, in a list of them.</extracomment>
        <translation>「%1」</translation>
    </message>
    <message numerus="yes">
        <source>%n categories are named &quot;%1&quot;: choose one from the list.</source>
        <translation>
            <numerusform>「%1」という名前のカテゴリが%n個あります。一覧から選んでください。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the next quoted category name to a list of them.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last quoted category name to a list of them.</extracomment>
        <translation>%1または%2</translation>
    </message>
    <message numerus="yes">
        <source>%n categories are named &quot;%1&quot;: type %2.</source>
        <translation>
            <numerusform>「%1」という名前のカテゴリが%n個あります。%2と入力してください。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>在宅オフィス</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>州税・地方税</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン返済</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>メンテナンス</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>管理費</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>光熱費</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>ガス</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン・燃料</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>自動車ローン</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>美容・身だしなみ</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>定期購読</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>贈り物</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>雑費</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>ストリーミング</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>ショッピング</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>衣料品</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>電化製品</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>日用品</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>健康保険</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>生命保険</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>住宅・家財保険</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>手数料</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM手数料</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>延滞料</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与・賃金</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>配当収入</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>家賃収入</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>フリーランス・コンサルティング</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>返金</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>受け取った贈り物</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税コード</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Not imported: the row has too few fields</source>
        <translation>インポートされません: 行の項目が足りません</translation>
    </message>
    <message>
        <source>Not imported: no readable date</source>
        <translation>インポートされません: 日付を読み取れません</translation>
    </message>
    <message>
        <source>Not imported: no readable amount</source>
        <translation>インポートされません: 金額を読み取れません</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>列 %1: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>Header row: not imported</source>
        <translation>見出し行: インポートされません</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) to import</source>
        <translation>
            <numerusform>%n 行をインポートします</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be read and will be skipped</source>
        <translation>
            <numerusform>%n 行は読み取れないため、スキップされます</numerusform>
        </translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>インポートが完了しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n 件の取引をインポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported without a category (category name shared by several categories)</source>
        <translation>
            <numerusform>%n 件の取引をカテゴリなしでインポートしました（カテゴリ名が複数のカテゴリで共有されています）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n 件の振替を口座間で関連付けました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  （以前にインポートした行との関連付け %n 件を含む）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>重複する %n 件をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました（解析できません）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n 件のメタデータレコードをスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました（取り込み元の口座が未割り当て）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました（データベースエラー — ログを参照）</numerusform>
        </translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>データベースエラーのためインポートを中止し、すべての変更を元に戻しました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV の列の割り当て:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>日付の列:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>取引先の列:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>金額の列:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>メモの列:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>カテゴリの列:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Month D, YYYY 形式 (May 14, 2026)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>日付の形式:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>1 行目は見出し</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The file holds no rows.</source>
        <translation>ファイルに行がありません。</translation>
    </message>
    <message>
        <source>In the file: %1</source>
        <translation>ファイル内の値: %1</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF ファイルの選択</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF ファイル (*.qif)</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF ファイルを解析しています...</translation>
    </message>
    <message>
        <source>Nothing to Import</source>
        <translation>インポートする取引がありません</translation>
    </message>
    <message>
        <source>No transactions that can be imported were found in the chosen QIF file(s).</source>
        <translation>選択した QIF ファイルに、インポートできる取引が見つかりませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n 個のファイルを選択済み</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot Read File</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened or read.</source>
        <translation>ファイル「%1」を開けないか、読み込めませんでした。</translation>
    </message>
    <message>
        <source>These files could not be opened or read:
%1</source>
        <translation>次のファイルを開けないか、読み込めませんでした:
%1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has changed since it was previewed. Check the preview and import again.</source>
        <translation>ファイル「%1」はプレビューの後に変更されています。プレビューを確認して、もう一度インポートしてください。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no rows to import.</source>
        <translation>ファイル「%1」にはインポートする行がありません。</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; no longer exists. Choose another account.</source>
        <translation>口座「%1」はもう存在しません。別の口座を選択してください。</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>インポート先の口座がありません</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>インポート先の口座を選択するか、ここで新しく作成してください。</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created.</source>
        <translation>口座「%1」を作成できませんでした。</translation>
    </message>
    <message>
        <source>Choose the QIF files again to map their accounts.</source>
        <translation>口座を割り当てるには、QIF ファイルをもう一度選択してください。</translation>
    </message>
    <message>
        <source>The account chosen for %1 no longer exists. Choose another one.</source>
        <translation>%1 に選択した口座はもう存在しません。別の口座を選択してください。</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created; its transactions were skipped.</source>
        <translation>口座「%1」を作成できなかったため、その取引はスキップされました。</translation>
    </message>
    <message>
        <source>The accounts created for it were kept: %1.</source>
        <translation>このインポートのために作成した口座は残してあります: %1。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <source>No transactions were found in the chosen file(s).</source>
        <translation>選択したファイルに取引が見つかりませんでした。</translation>
    </message>
    <message>
        <source>Not imported: the date does not fit the chosen date format</source>
        <translation>インポートされません: 日付が選択した日付形式に合いません</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) do not fit the chosen date format</source>
        <translation>
            <numerusform>%n 行が選択した日付形式に合いません</numerusform>
        </translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>インポートに失敗しました。</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1（口座ヘッダーなし）</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>インポートした取引</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>振替</translation>
    </message>
</context>
<context>
    <name>LarkAccount::AuthClient</name>
    <message>
        <source>Invalid sign-in address</source>
        <translation>サインインのアドレスが無効です</translation>
    </message>
    <message>
        <source>Failed to start local auth server</source>
        <translation>ローカル認証サーバーを起動できませんでした</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>トークンを受け取れませんでした</translation>
    </message>
</context>
<context>
    <name>LarkAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>アクセスできるユーザー</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>ユーザーを追加</translation>
    </message>
    <message>
        <source>You don&apos;t have a family group yet. Create one or join one to share accounts.</source>
        <translation>ファミリーグループがまだありません。口座を共有するには、グループを作成するか、グループに参加してください。</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>グループのメンバー全員がすでにアクセスできます</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>アクセス権を削除</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>%1 と共有できませんでした。</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 はアクセスできなくなります。続行しますか？</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>アクセス権を削除しますか？</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 のアクセス権を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>LarkAccount::WebAuthHandler</name>
    <message>
        <source>Bad request</source>
        <translation>不正なリクエストです</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>サインインに失敗しました</translation>
    </message>
    <message>
        <source>This page does not belong to the sign-in the application is waiting for. Start the sign-in again from the application.</source>
        <translation>このページは、アプリケーションが待っているサインインのものではありません。アプリケーションからもう一度サインインを始めてください。</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>認証が完了しました。</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>このタブを閉じて、アプリケーションに戻ってください。</translation>
    </message>
</context>
<context>
    <name>LarkUpdate::Client</name>
    <message>
        <source>manifestBaseUrl is not valid</source>
        <translation>アップデートサービスのアドレスが無効です</translation>
    </message>
    <message>
        <source>currentVersion is empty</source>
        <translation>現在のバージョンが指定されていません</translation>
    </message>
    <message>
        <source>network error: %1</source>
        <translation>ネットワークエラー: %1</translation>
    </message>
    <message>
        <source>reply too large or too slow</source>
        <translation>応答が大きすぎるか遅すぎます</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>アップデート情報が無効です: %1</translation>
    </message>
    <message>
        <source>current version %1 is older than min_upgradable_from %2; please upgrade to an intermediate release first</source>
        <translation>現在のバージョン %1 はこのアップデートに必要な最低バージョン %2 より古いため、先に中間リリースにアップグレードしてください</translation>
    </message>
</context>
<context>
    <name>LarkUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>%1 の新しいバージョンがあります。</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>お使いのバージョンは %1 です。最新バージョンは %2 です。</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*このバージョンのリリースノートはありません。*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
</context>
<context>
    <name>LarkUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>お使いのバージョン: %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Larkspur Tallyleaf</source>
        <translation>Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>Welcome to Larkspur Tallyleaf</source>
        <translation>Larkspur Tallyleaf へようこそ</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>最初の口座を作成して始めましょう。</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>口座を作成</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>[ファイル] › [インポート] から CSV ファイルの取引をインポートすることもできます。</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message>
        <source>The account order could not be saved.</source>
        <translation>口座の並び順を保存できませんでした。</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created.</source>
        <translation>口座「%1」を作成できませんでした。</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>「%1」の変更を保存できませんでした。</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>この口座はもう存在しません。何も保存されていません。</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>サインインが必要です</translation>
    </message>
    <message>
        <source>Sharing requires a Larkspur account.</source>
        <translation>共有するには Larkspur アカウントが必要です。</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>詳細を見る</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>新規口座...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>「%1」を編集...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>照合...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>照合履歴...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>取引先名の変更...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>共有...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>「%1」を削除</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>「%1」を削除しますか？

この口座のすべての取引、定期取引、照合履歴が削除されます。[環境設定] → [データと同期] から復元できます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted. Nothing was changed.</source>
        <translation>「%1」を削除できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>新規取引(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>新規口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Larkspur &amp;Account...</source>
        <translation>Larkspur アカウント(&amp;L)...</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>サインインまたは新規登録</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>照合(&amp;R)...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>照合履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>取引先名の変更(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>共有(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>定期取引(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>カテゴリ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Larkspur Tallyleaf</source>
        <translation>Larkspur Tallyleaf について(&amp;A)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>新機能(&amp;N)...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートを確認(&amp;U)...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>フィードバックを送信(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>サンプルデータを読み込む(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>サンプルデータを消去(&amp;C)</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました: %1</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>定期取引 %n 件を自動記帳しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>アカウントの管理</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>サインインしていません</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;出納帳&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引を保存&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新しい取引を挿入&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;選択中の取引を削除&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;次 / 前の入力欄&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (アポストロフィ)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;上の入力欄の値をコピー&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;日付欄&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;今日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;翌日 / 前日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;月の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;年の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;週の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;全般&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新規取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新規口座&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座の照合&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引の検索&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;レポート&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;定期取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;カテゴリ&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;口座&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 1&amp;ndash;9 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 10 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;A digital check register for keeping track of your household finances.&lt;/p&gt;&lt;p&gt;Published by Larkspur. Visit &lt;a href=&apos;https://larkspur.app/tallyleaf&apos;&gt;larkspur.app/tallyleaf&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the &lt;a href=&apos;https://www.gnu.org/licenses/lgpl-3.0.html&apos;&gt;GNU Lesser General Public License version 3&lt;/a&gt;. See &lt;a href=&apos;https://www.qt.io/&apos;&gt;qt.io&lt;/a&gt;; the Qt source code is available at &lt;a href=&apos;https://download.qt.io/official_releases/qt/&apos;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;バージョン %2&lt;/p&gt;&lt;p&gt;家計の管理に役立つデジタル出納帳です。&lt;/p&gt;&lt;p&gt;発行元: Larkspur。&lt;a href=&apos;https://larkspur.app/tallyleaf&apos;&gt;larkspur.app/tallyleaf&lt;/a&gt; をご覧ください。&lt;/p&gt;&lt;p&gt;&lt;small&gt;このアプリケーションは Qt フレームワークを &lt;a href=&apos;https://www.gnu.org/licenses/lgpl-3.0.html&apos;&gt;GNU Lesser General Public License バージョン 3&lt;/a&gt; のもとで使用しています。詳しくは &lt;a href=&apos;https://www.qt.io/&apos;&gt;qt.io&lt;/a&gt; をご覧ください。Qt のソースコードは &lt;a href=&apos;https://download.qt.io/official_releases/qt/&apos;&gt;download.qt.io&lt;/a&gt; から入手できます。&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Larkspur Tallyleaf</source>
        <translation>Larkspur Tallyleaf について</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>サンプルデータ</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータはすでに読み込まれています。</translation>
    </message>
    <message>
        <source>The sample data could not be loaded. Nothing was changed.</source>
        <translation>サンプルデータを読み込めませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータはありません。</translation>
    </message>
    <message>
        <source>The sample data could not be cleared. Nothing was changed.

Transactions, schedules or reconciliations added to a sample account keep it in place; delete them first.</source>
        <translation>サンプルデータを消去できませんでした。何も変更されていません。

サンプル口座に取引、定期取引、照合を追加した場合、その口座は削除されずに残ります。先にそれらを削除してください。</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>サンプルデータを消去しました</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>照合 — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>取引先の管理</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>口座の共有</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>「%1」の共有</translation>
    </message>
    <message>
        <source>Share this account with members of your Larkspur family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>この口座を Larkspur ファミリーグループのメンバーと共有します。メンバーは自分のデバイスで、同じ出納帳、残高、照合履歴を見ることができます。</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>共有相手</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>You&apos;re not in a Larkspur family group yet. Create or join one under File › Larkspur Account to share accounts.</source>
        <translation>まだ Larkspur ファミリーグループに参加していません。口座を共有するには、[ファイル] › [Larkspur アカウント] でグループを作成するか、グループに参加してください。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>アクセス権を削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>共有できませんでした</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>削除できませんでした</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>共有の解除</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>この口座への %1 のアクセス権を削除しますか？</translation>
    </message>
    <message>
        <source>Larkspur Account</source>
        <translation>Larkspur アカウント</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>No web browser could be opened. To sign in, open this address in your browser:</source>
        <translation>Web ブラウザーを開けませんでした。サインインするには、このアドレスをブラウザーで開いてください:</translation>
    </message>
    <message>
        <source>Another Larkspur Account</source>
        <translation>別の Larkspur アカウント</translation>
    </message>
    <message>
        <source>This computer holds data synced with another Larkspur account. Upload it to %1?</source>
        <translation>このコンピューターには、別の Larkspur アカウントと同期したデータがあります。%1 にアップロードしますか?</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>取引先の管理</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>新しい名前:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>選択項目の名前を変更</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>選択項目を統合</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n 件の取引</numerusform>
        </translation>
    </message>
    <message>
        <source>The payees could not be changed. No transaction was changed.</source>
        <translation>取引先を変更できませんでした。取引は変更されていません。</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>名前を変更できませんでした</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更完了</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の取引先名を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する取引先を 2 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 件の取引先を「%2」に統合しますか？</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>取引先の統合</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>統合できませんでした</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>統合完了</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引を統合しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 は最新です（バージョン %2）</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>アップデートの確認に失敗しました: %1</translation>
    </message>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>%1 %2 のリリースノートはありません</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
</context>
<context>
    <name>QifMappingBox</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF の取り込み元口座:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Quicken の各口座のインポート先を選択してください。選択したファイル間で割り当てた口座どうしの振替は、自動的に関連付けられます。</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— 新しい口座「%1」を作成 —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— これらの取引をスキップ —</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合です。</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>明細書の日付</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>照合済み残高</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了日時</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>照合の履歴はまだありません。出納帳から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>照合履歴 — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>明細書の日付:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>明細書の残高:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>前回の残高</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>決済済みの入金</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>決済済みの出金</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>決済済み残高</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>取引を追加</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>取引を追加 (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集 (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>選択した取引を削除 (Del)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>照合完了</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>口座の照合が完了しました。</translation>
    </message>
    <message>
        <source>Reconciliation Not Saved</source>
        <translation>照合を保存できませんでした</translation>
    </message>
    <message>
        <source>Some transactions were changed elsewhere since this list was loaded. Nothing was saved; review the list and finish again.</source>
        <translation>この一覧を読み込んだ後に、一部の取引がほかの場所で変更されました。何も保存されていません。一覧を確認して、もう一度完了してください。</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>この口座はもう存在しません。何も保存されていません。</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. Nothing was changed.</source>
        <translation>照合を保存できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>この取引はもう存在しません。</translation>
    </message>
    <message>
        <source>Discard Reconciliation</source>
        <translation>照合の破棄</translation>
    </message>
    <message>
        <source>Discard this reconciliation?</source>
        <translation>この照合を破棄しますか？</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>取引を定期取引に登録</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して取引先を検索...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>取引先:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>月 2 回</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>頻度:</translation>
    </message>
    <message>
        <source>Repeat every:</source>
        <translation>繰り返し間隔:</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>1 回目の日:</translation>
    </message>
    <message>
        <source>Second day:</source>
        <translation>2 回目の日:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>開始日:</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>終了日を設定</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>終了日:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>期日に自動記帳</translation>
    </message>
    <message>
        <source> days</source>
        <translation> 日前</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>事前に記帳:</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>末日</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日ごと</translation>
    </message>
    <message>
        <source>days</source>
        <translation>日ごと</translation>
    </message>
    <message>
        <source>week</source>
        <translation>週ごと</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>週ごと</translation>
    </message>
    <message>
        <source>month</source>
        <translation>か月ごと</translation>
    </message>
    <message>
        <source>months</source>
        <translation>か月ごと</translation>
    </message>
    <message>
        <source>quarter</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>quarters</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>year</source>
        <translation>年ごと</translation>
    </message>
    <message>
        <source>years</source>
        <translation>年ごと</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1（削除済み）</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>振替先:</translation>
    </message>
    <message>
        <source>Recurring Transaction</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;. Choose one from the list, or clear the field for no category.</source>
        <translation>「%1」という名前のカテゴリはありません。一覧から選ぶか、カテゴリなしにする場合は欄を空にしてください。</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts. Choose another account to transfer to.</source>
        <translation>振替には異なる2つの口座が必要です。別の振替先口座を選んでください。</translation>
    </message>
    <message>
        <source>The chosen account no longer exists. Choose another account.</source>
        <translation>選択した口座はもう存在しません。別の口座を選んでください。</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>last day</source>
        <translation>末日</translation>
    </message>
    <message>
        <source>Semi-monthly (%1 &amp; %2)</source>
        <translation>月 2 回（%1・%2）</translation>
    </message>
    <message>
        <source>Every %1 days</source>
        <translation>%1 日ごと</translation>
    </message>
    <message>
        <source>Every %1 weeks</source>
        <translation>%1 週ごと</translation>
    </message>
    <message>
        <source>Every %1 months</source>
        <translation>%1 か月ごと</translation>
    </message>
    <message>
        <source>Every %1 years</source>
        <translation>%1 年ごと</translation>
    </message>
    <message>
        <source>%1 (×%2)</source>
        <translation>%1（×%2）</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回期日</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>期日の取引をすべて確定</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>今後 7 日分を記帳</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>（期日到来: %1 件）</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>確定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>前倒しで記帳(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>定期取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>「%1」の変更を保存できませんでした。</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>「%1」を今すぐ記帳しますか（日付: %2）？取引の日付は期日になり、後で編集や削除ができます。</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>前倒しで記帳</translation>
    </message>
    <message>
        <source>Not Skipped</source>
        <translation>スキップできませんでした</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped; its next due date is unchanged.</source>
        <translation>「%1」をスキップできませんでした。次回期日は変更されていません。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>削除できませんでした</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>「%1」を削除できませんでした。</translation>
    </message>
    <message>
        <source>Due transactions not posted: %1 of %2.</source>
        <translation>期日の取引 %2 件のうち %1 件を記帳できませんでした。</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>今後 7 日以内に期日を迎える定期取引をすべて記帳しますか？取引の日付はそれぞれの期日になり、後で編集や削除ができます。</translation>
    </message>
    <message>
        <source>Some occurrences due by %1 were not entered (recurring transactions still due by then: %2).</source>
        <translation>%1 までに期日を迎える取引の一部を記帳できませんでした（その時点で期日が残っている定期取引: %2 件）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; due %2 was not posted.</source>
        <translation>期日が %2 の「%1」を記帳できませんでした。</translation>
    </message>
    <message>
        <source>Not Posted</source>
        <translation>記帳できませんでした</translation>
    </message>
    <message>
        <source>Possible reasons: the occurrence is already in the register, a transfer account is missing or deleted, or the schedule&apos;s dates are broken.</source>
        <translation>考えられる原因: その回の取引がすでに出納帳にある、振替先の口座が見つからないか削除されている、または定期取引の日付が正しくない。</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>保存できませんでした</translation>
    </message>
    <message>
        <source>This recurring transaction no longer exists. Nothing was saved.</source>
        <translation>この定期取引はもう存在しません。何も保存されていません。</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>RegisterFilterDialog</name>
    <message>
        <source>Filters</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Limit to a date range</source>
        <translation>期間で絞り込む</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>取引先 / メモ</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: 保存  |  Enter: 次へ  |  %2: 削除  |  %3: 定期登録  |  &apos;: 上をコピー</translation>
    </message>
    <message>
        <source>Filter (%1)</source>
        <translation>フィルター (%1)</translation>
    </message>
    <message>
        <source>Filters are applied. Click to change or clear them.</source>
        <translation>フィルターが適用されています。クリックして変更またはクリアします。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Filter which transactions are listed</source>
        <translation>表示する取引を絞り込みます</translation>
    </message>
    <message>
        <source>The filter could not be saved for next time.</source>
        <translation>フィルターを次回用に保存できませんでした。</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>取引先を入力してください</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>出金額または入金額を入力してください</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>Saved. It isn&apos;t listed because of the current filter.</source>
        <translation>保存しました。現在のフィルターのため、一覧には表示されません。</translation>
    </message>
    <message>
        <source>This transaction no longer exists. Nothing was saved.</source>
        <translation>この取引はもう存在しません。何も保存されていません。</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>入力欄をクリアしました</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>定期取引に登録できません: 元の取引の日付が無効です</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>取引を定期取引に登録しました</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>定期取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>表示する列</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>出納帳のレイアウトをリセット</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>新規挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>新規取引(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>ダイアログで編集(&amp;E)...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>詳細を表示(&amp;T)...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>分割を編集(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>取引を分割(&amp;S)...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>複製(&amp;P)...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>未決済にする(&amp;U)</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>決済済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Amounts can be at most %1</source>
        <translation>金額は %1 以下にしてください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>「%1」は金額ではありません</translation>
    </message>
    <message>
        <source>Enter a date that exists, such as %1</source>
        <translation>実在する日付を入力してください（例: %1）</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;</source>
        <translation>「%1」という名前のカテゴリはありません</translation>
    </message>
    <message>
        <source>This transaction is already a transfer to another account</source>
        <translation>この取引はすでに別の口座への振替です</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>未保存の取引</translation>
    </message>
    <message>
        <source>Save the transaction you were entering?</source>
        <translation>入力中の取引を保存しますか？</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>この口座はもう存在しません。何も保存されていません。</translation>
    </message>
    <message>
        <source>This transaction was moved to another account. Saving keeps your changes there.</source>
        <translation>この取引は別の口座に移動されました。保存すると変更内容は移動先に残ります。</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV をエクスポート</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.

%2</source>
        <translation>レポートを %1 に保存できませんでした。

%2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>カテゴリ別支出</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>取引先別集計</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税コード</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>収入と支出</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>差引</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>キャッシュフロー</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>口座別集計</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>比較:</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>今年と昨年</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>昨年と一昨年</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>今四半期と前四半期</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>期間1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>期間2:</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>前年比較</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>期間1: %1 – %2    期間2: %3 – %4</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>メイン普通預金</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>リバーベンド信用組合</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa リワード</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>サミット銀行</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>ブライトパス社</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>隔週の給与</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>パインクレスト・アパートメント</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>2 月分の家賃</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>グリーンリーフ・マーケット</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>1 週間分の食料品</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>ヒルトップ石油</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>給油</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>レイクサイド電力水道</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>電気料金</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>水道料金</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>ストリームライン TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>ストリーミングの月額料金</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>メープルウッド・ダイナー</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>外食（夕食）</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>クリアビュー保険</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>ホープ・コミュニティ教会</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>毎月の寄付</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>貯蓄預金へ振替</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>毎月の積立</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>3 月分の家賃</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>ネットコネクト通信</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>インターネット利用料</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>昼食</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>リッジライン薬局</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>処方薬</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>コーヒーとペストリー</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>預金利息</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>普通預金から振替</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>ダッシュ・デリバリー</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>フードデリバリー</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>ガジェットワールド</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>スマホケース</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>クラウドウォッチ・プラス</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>クラウドストレージのプラン</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>お支払い - ありがとうございます</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>クレジットカードの支払い</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>ステラ・コーヒー</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>コーヒー豆</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>ブックネスト・オンライン</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>プログラミングの書籍</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>テックボールト</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>USB ハブ</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>毎月の家賃</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>取引先、メモ、小切手番号で検索...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>決済済みのみ</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>この取引はもう存在しません。</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>詳細を表示(&amp;T)...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>分割を編集(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>取引を分割(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>ダイアログで編集(&amp;E)...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>複製(&amp;P)...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>未決済にする(&amp;U)</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>決済済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>削除(&amp;D)...</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>出納帳</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Control how Larkspur Tallyleaf looks.</source>
        <translation>Larkspur Tallyleaf の見た目を設定します。</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Choose accent color</source>
        <translation>アクセントカラーを選択</translation>
    </message>
    <message>
        <source>Accent color</source>
        <translation>アクセントカラー</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>特大</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定です。</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>週の始まり</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語を変更しました</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Larkspur Tallyleaf.</source>
        <translation>新しい言語は、次回 Larkspur Tallyleaf を起動したときに適用されます。</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>出納帳での取引の表示方法です。</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>2 行表示</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>取引先の下の 2 行目にメモを表示します。</translation>
    </message>
    <message>
        <source>Auto-decimal point</source>
        <translation>小数点の自動入力</translation>
    </message>
    <message>
        <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
        <translation>1234 と入力すると 12.34 になります。下 2 桁は常に小数点以下（セント）として扱われます。</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>出納帳での取引の並び順を設定します。</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先頭に表示</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>オンにすると、最新の取引が一番上に表示されます。</translation>
    </message>
    <message>
        <source>Larkspur Tallyleaf</source>
        <translation>Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A digital tallyleaf register for tracking household finances.</source>
        <translation>家計を記録するためのデジタル出納帳です。</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web サイト</translation>
    </message>
    <message>
        <source>Tallyleaf for iPhone and Android</source>
        <translation>iPhone・Android 版 Tallyleaf</translation>
    </message>
    <message>
        <source>© Larkspur. All rights reserved.</source>
        <translation>© Larkspur. 無断転載を禁じます。</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>このアプリケーションは、LGPL v3 ライセンスのもとで Qt フレームワークを使用しています。</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more.</source>
        <translation>
            <numerusform>…ほか %n 件。</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Keep your tallyleaf in sync across all your devices.</source>
        <translation>すべてのデバイスで出納帳を同期します。</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>完全同期を強制実行</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データをバックアップファイルに保存したり、バックアップファイルから復元したりします。</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>バックアップをエクスポート</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップをインポート</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座はここで復元できます。</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>選択した口座を復元</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Larkspur Account to enable sync.</source>
        <translation>サインインしていません。
同期を有効にするには、[ファイル] › [Larkspur アカウント] からサインインしてください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>まだ同期していません</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
エラー: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期しています...</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>ローカルのすべてのデータをサーバーに再アップロードし、サーバーのすべてのデータを再ダウンロードします。デバイス間でデータが一致していないように見える場合に使用してください。

続行しますか？</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>エクスポートしています...</translation>
    </message>
    <message>
        <source>The backup could not be created.</source>
        <translation>バックアップを作成できませんでした。</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>バックアップに失敗しました</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>バックアップ完了</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>バックアップを次の場所に保存しました:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>次の場所に書き込めませんでした:
%1</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を残す（タイムスタンプを比較）</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>既存の項目をスキップ</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>インポート方法</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどのように扱いますか？</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>すべてバックアップのデータで置き換える</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <source>The backup could not be imported:

%1</source>
        <translation>バックアップをインポートできませんでした:

%1</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件の項目をインポートし、%2 件をスキップしました。</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n 件のエラーが発生しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>インポート完了</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>復元に失敗しました</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored.</source>
        <translation>口座「%1」を復元できませんでした。</translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation>バックアップをエクスポートしています...</translation>
    </message>
    <message>
        <source>Replace All Data</source>
        <translation>すべてのデータを置き換え</translation>
    </message>
    <message>
        <source>Every account, category, transaction, schedule and reconciliation that is also in the backup is overwritten with the backup&apos;s version: changes made since the backup was made are lost. This cannot be undone.

Replace with the backup data?</source>
        <translation>バックアップにも含まれる口座、カテゴリ、取引、スケジュール、照合はすべてバックアップの内容で上書きされ、バックアップ作成後の変更は失われます。この操作は元に戻せません。

バックアップのデータで置き換えますか?</translation>
    </message>
    <message>
        <source>Importing backup...</source>
        <translation>バックアップをインポートしています...</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>残り: %1</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ 行を追加</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- 削除</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1（削除済み）</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>Split line %1 has an amount but no category. Choose a category for it, or set its amount to 0 to drop it.</source>
        <translation>分割行 %1 に金額がありますが、カテゴリがありません。カテゴリを選択するか、金額を 0 にしてこの行を除外してください。</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>口座 %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  期日の定期取引 %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message numerus="yes">
        <source>%n change(s) were refused by the server: %1</source>
        <translation>
            <numerusform>%n 件の変更がサーバーに拒否されました: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransactionActions</name>
    <message>
        <source>Transaction</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation>取引を保存できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>振替「%1」（%2）を削除しますか？

振替元と振替先の両方の取引が削除されます。</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>「%1」（%2）を削除しますか？</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>The transaction could not be deleted. Nothing was changed.</source>
        <translation>取引を削除できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>振替</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替には、両方の口座が同じ通貨である必要があります</translation>
    </message>
    <message>
        <source>A transfer can&apos;t be split across categories</source>
        <translation>振替は複数のカテゴリに分割できません</translation>
    </message>
    <message>
        <source>The cleared state could not be saved.</source>
        <translation>決済状態を保存できませんでした。</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>この取引はもう存在しません。</translation>
    </message>
    <message>
        <source>This transaction no longer exists. Nothing was saved.</source>
        <translation>この取引はもう存在しません。何も保存されていません。</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>この口座はもう存在しません。何も保存されていません。</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>取引の詳細</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>照合済み</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>未決済にする</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>決済済みにする</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>取引先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>振替先:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>登録日時: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>最終更新: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>編集...</translation>
    </message>
    <message>
        <source>Duplicate...</source>
        <translation>複製...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>削除...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>分割行</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>（分割行の記録はありません）</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>（未分類）</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>The cleared state could not be saved.</source>
        <translation>決済状態を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して取引先を検索...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>取引先:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>分割...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>この取引を複数のカテゴリに分割し、それぞれに金額とメモを設定します。</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>単一のカテゴリを使用</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>分割を解除して、単一カテゴリの取引に戻します。</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1（削除済み）</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Welcome to
Larkspur Tallyleaf</source>
        <translation>Larkspur Tallyleaf へ
ようこそ</translation>
    </message>
    <message>
        <source>A digital tallyleaf register.</source>
        <translation>デジタルの出納帳。</translation>
    </message>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>セッションが終了しました。同期を続けるには、もう一度サインインしてください。</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>完全にオフラインで動作します。データはこのデバイス内に保存されます。</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>口座（普通預金、貯蓄預金、クレジットカードなど、管理したい口座）を追加します。</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>お金を使うたびに取引を記録します。</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>明細書が届いたら照合します。</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>おかえりなさい</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>サインインすると、データをデバイス間で同期できます。</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちの方はサインイン</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>別の口座を作成</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>最初の口座を作成</translation>
    </message>
</context>
</TS>
