<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-16">
<title>REPORT_TITLE</title>
<style type="text/css">
body { font-family: Arial, Helvetica, sans-serif; font-size: 9pt; color: #000000; background-color: #ffffff; }
.ReportTitle { font-size: 14pt; font-weight: bold; color: #1b3d7a; }
.ReportNote { font-size: 8pt; color: #555555; }
.Item { margin-left: 4px; }
.ItemName { font-size: 8pt; font-weight: bold; color: #333333; white-space: nowrap; }
.ItemVal { font-size: 9pt; color: #000000; }
.ItemTitle { font-size: 11pt; font-weight: bold; color: #1b3d7a; margin-top: 6px; margin-bottom: 3px; }
.ItemTitleU { display: block; font-size: 9pt; font-weight: bold; text-decoration: underline; }
.ItemTitleUC { font-size: 8pt; font-weight: bold; text-decoration: underline; text-align: center; white-space: nowrap; }
</style>
</head>
<body>
<table width="100%" border="0" cellpadding="4" cellspacing="0">
<tr>
<td width="130" valign="top"><img src="MODEL_PIC.jpg" width="120" height="160" alt="MODEL_PIC"></td>
<td valign="middle"><div class="ReportTitle">REPORT_TITLE</div></td>
</tr>
</table>
<!-- report content begin -->
<p class="ReportNote">&nbsp;</p>
</body>
</html>
