; Inbound firewall rules for the two programs, so that the cameras' discovery replies reach them on
; the first run without the firewall's prompt (a wrong answer there blocks them for good). Rules are
; found by name: removing them first keeps a re-installation from adding a second pair.
!ifndef VARNIX_FIREWALL_NSH
!define VARNIX_FIREWALL_NSH

; netsh from the system folder by its full path, never a netsh.exe that lies beside the installer.
!define VARNIX_NETSH '"$SYSDIR\netsh.exe" advfirewall firewall'

!macro VarnixFirewallRemove
  nsExec::Exec '${VARNIX_NETSH} delete rule name="Varnix"'
  Pop $0
  nsExec::Exec '${VARNIX_NETSH} delete rule name="Varnix scanner"'
  Pop $0
!macroend

!macro VarnixFirewallAdd
  !insertmacro VarnixFirewallRemove
  nsExec::Exec '${VARNIX_NETSH} add rule name="Varnix" dir=in action=allow protocol=UDP program="$INSTDIR\varnix.exe" enable=yes'
  Pop $0
  StrCmp $0 0 +2
    DetailPrint "The firewall rule for varnix.exe could not be added (netsh: $0)"
  nsExec::Exec '${VARNIX_NETSH} add rule name="Varnix scanner" dir=in action=allow protocol=UDP program="$INSTDIR\varnix-scan.exe" enable=yes'
  Pop $0
  StrCmp $0 0 +2
    DetailPrint "The firewall rule for varnix-scan.exe could not be added (netsh: $0)"
!macroend

!endif
