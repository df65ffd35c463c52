#include "bank_entry.h"

// The questions keep one literal for each line of their texts.
// clang-format off
namespace examdeck {

const bank_entry questions_061_120[60] = {
    {   // 61
        .question_text = u"On interface Serial1 of a router in EIGRP autonomous system 200, type the interface command that advertises the single summary 192.168.16.0/20 (write the mask in dotted-decimal form and give no administrative distance).",
        .explanation = u"ip summary-address eigrp is an interface command: it names the autonomous system, the summary address and its mask.\r\n"
                       u"A /20 mask is 255.255.240.0, and 192.168.16.0 to 192.168.31.255 share their first 20 bits.\r\n"
                       u"The router then advertises only the summary out of Serial1 and installs it locally as a route to Null0.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ip summary-address eigrp 200 192.168.16.0 255.255.240.0"}},
    },
    {   // 62
        .question_text = u"A router runs RIP version 2. Which command, entered under router rip, stops it from summarising subnets at classful network boundaries?",
        .explanation = u"RIP version 2 summarises at classful boundaries by default; no auto-summary under router rip makes the router\u2019s updates carry every subnet with its mask.",
        .question_type = multi_answer,
        .choices = {{0, u"no ip classless"}, {0, u"no summary-address"}, {1, u"no auto-summary"}, {0, u"no ip subnet-zero"}},
    },
    {   // 63
        .question_text = u"An ASBR redistributes the external networks 192.168.0.0/24 to 192.168.3.0/24 into OSPF process 1. Type the router configuration command that advertises them as one summary (network address and dotted-decimal mask, no other options).",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"summary-address 192.168.0.0 255.255.252.0"}},
    },
    {   // 64
        .question_text = u"Refer to the exhibit. Which command, entered under router ospf 10 on R2, advertises the eight area 1 subnets into area 0 as the smallest single summary?",
        .explanation = u"On an ABR, area 1 range summarises routes of area 1 into the other areas; the five common bits 00100 in the third octet give 172.16.32.0/21, mask 255.255.248.0.\r\n"
                       u"summary-address acts only on redistributed external routes, area 0 range names the wrong area, and a /22 mask covers only 172.16.32.0 to 172.16.35.255.",
        .question_type = multi_answer,
        .choices = {{0, u"summary-address 172.16.32.0 255.255.248.0"}, {0, u"area 0 range 172.16.32.0 255.255.248.0"}, {1, u"area 1 range 172.16.32.0 255.255.248.0"}, {0, u"area 1 range 172.16.32.0 255.255.252.0"}},
        .exhibit_file = u"ip-summary.txt",
    },
    {   // 65
        .question_text = u"Refer to the exhibit. Which summary covers exactly the four subnets behind R3 and no other address?",
        .explanation = u"The third octets 64 to 67 share the six bits 010000, so the summary is 10.1.64.0 with 8 + 8 + 6 = 22 mask bits, 255.255.252.0.",
        .question_type = multi_answer,
        .choices = {{1, u"10.1.64.0 255.255.252.0"}, {0, u"10.1.64.0 255.255.248.0"}, {0, u"10.1.64.0 255.255.254.0"}, {0, u"10.1.0.0 255.255.0.0"}},
        .exhibit_file = u"ip-summary.txt",
    },
    {   // 66
        .question_text = u"A router is the ABR between area 0 and area 2 in OSPF process 1. Type the router configuration command that summarises area 2's networks 10.2.0.0/16 into the backbone (area as the number 2, dotted-decimal mask, no other options).",
        .explanation = u"area 2 range 10.2.0.0 255.255.0.0 makes the ABR send one summary LSA for 10.2.0.0/16 into area 0 instead of one per subnet.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"area 2 range 10.2.0.0 255.255.0.0"}},
    },
    {   // 67
        .question_text = u"Which two are benefits of route summarisation? (Choose two.)",
        .explanation = u"A summary replaces many routes by one, so routing tables shrink, and a subnet that goes up and down inside the summary no longer triggers updates beyond it.",
        .question_type = multi_answer,
        .choices = {{0, u"It lets the network use discontiguous subnets freely"}, {1, u"It shrinks the routing tables of routers that receive the summary"}, {0, u"It gives every router a more exact path to each subnet"}, {1, u"It hides a flapping subnet from routers beyond the summary"}, {0, u"It removes the need for a classless routing protocol"}, {0, u"It makes routers send their periodic updates more often"}},
    },
    {   // 68
        .question_text = u"Which single summary route covers both of these networks and no other address?\r\n"
                         u"  192.168.10.0/24\r\n"
                         u"  192.168.11.0/24",
        .question_type = multi_answer,
        .choices = {{0, u"192.168.8.0/22"}, {0, u"192.168.10.0/24"}, {0, u"192.168.8.0/21"}, {1, u"192.168.10.0/23"}, {0, u"192.168.0.0/16"}},
    },
    {   // 69
        .question_text = u"Which of these routing protocols can advertise a manually configured summary on any bit boundary, not only on the classful boundary?",
        .explanation = u"EIGRP carries masks and accepts ip summary-address eigrp on an interface with any mask; RIP version 1 and IGRP are classful and send no masks at all.",
        .question_type = multi_answer,
        .choices = {{0, u"RIP version 1"}, {0, u"IGRP"}, {1, u"EIGRP"}, {0, u"Any classful protocol once ip classless is configured"}},
    },
    {   // 70
        .question_text = u"Which mask, used with 172.16.16.0, summarises the networks 172.16.16.0/24 to 172.16.31.0/24 and nothing else?",
        .explanation = u"Third octets 16 to 31 (0001 0000 to 0001 1111) share four bits, so the summary has 8 + 8 + 4 = 20 bits: 255.255.240.0.",
        .question_type = multi_answer,
        .choices = {{1, u"255.255.240.0"}, {0, u"255.255.248.0"}, {0, u"255.255.252.0"}, {0, u"255.255.254.0"}},
    },
    {   // 71
        .question_text = u"Which mask, used with 10.10.4.0, summarises the networks 10.10.4.0/24 to 10.10.7.0/24 and nothing else?",
        .question_type = multi_answer,
        .choices = {{0, u"255.255.240.0"}, {0, u"255.255.248.0"}, {1, u"255.255.252.0"}, {0, u"255.255.254.0"}},
    },
    {   // 72
        .question_text = u"Under router eigrp 100, type the command that stops EIGRP from summarising routes at classful network boundaries.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"no auto-summary"}},
    },
    {   // 73
        .question_text = u"Which two statements about automatic summarisation and discontiguous networks are true? (Choose two.)",
        .explanation = u"Discontiguous subnets belong to one major network but are split by another, e.g. 172.16.1.0/24 and 172.16.2.0/24 on either side of a 10.0.0.0 link.\r\n"
                       u"RIP version 1 and IGRP are classful: they send no masks and always summarise to 172.16.0.0/16 at the border, so both halves claim the whole network.\r\n"
                       u"EIGRP also summarises at classful boundaries by default, but it carries masks, so no auto-summary under router eigrp makes it advertise each subnet.\r\n"
                       u"OSPF never summarises on its own; it summarises only where area range or summary-address is configured.\r\n"
                       u"ip classless only changes forwarding: packets for unknown subnets of a connected major network use a default or supernet route. It adds no masks to RIP version 1.\r\n"
                       u"So the true statements are those on RIP version 1 with IGRP and on EIGRP.",
        .question_type = multi_answer,
        .choices = {{0, u"OSPF summarises at classful boundaries unless an area range is configured"}, {1, u"RIP version 1 and IGRP always summarise at classful boundaries, so they cannot carry discontiguous subnets"}, {1, u"EIGRP summarises at classful boundaries by default, and no auto-summary lets it carry discontiguous subnets"}, {0, u"The ip classless command makes RIP version 1 include subnet masks in its updates"}},
    },
    {   // 74
        .question_text = u"An EIGRP router advertises a summary configured with ip summary-address eigrp. Which route for that summary appears in the router's own routing table?",
        .explanation = u"EIGRP installs the summary locally with Null0 as its interface, so packets for unused addresses inside the summary are dropped instead of looping.",
        .question_type = multi_answer,
        .choices = {{0, u"A route pointing out of the interface where the summary is configured"}, {0, u"None; the summary exists only in the updates"}, {0, u"A default route 0.0.0.0/0"}, {0, u"A static route that must be added by hand"}, {1, u"A route to the summary with Null0 as its interface"}, {0, u"A host route to each EIGRP neighbour"}},
    },
    {   // 75
        .question_text = u"Refer to the exhibit. Type the interface command, entered on R3's Serial0, that advertises one EIGRP summary of the four subnets behind R3 (dotted-decimal mask, no administrative distance).",
        .explanation = u"R3 is in EIGRP AS 100 and the common six bits of the third octet give 10.1.64.0/22, whose mask is 255.255.252.0.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ip summary-address eigrp 100 10.1.64.0 255.255.252.0"}},
        .exhibit_file = u"ip-summary.txt",
    },
    {   // 76
        .question_text = u"Which two of these numbers identify a standard IP access list? (Choose two.)",
        .explanation = u"Standard IP access lists are numbered 1 to 99; 100 to 199 are extended IP lists and 800 to 899 are standard IPX lists.",
        .question_type = multi_answer,
        .choices = {{0, u"100"}, {1, u"10"}, {0, u"800"}, {1, u"99"}, {0, u"199"}},
    },
    {   // 77
        .question_text = u"Which three statements about this access list entry are true? (Choose three.)\r\n"
                         u"access-list 110 deny tcp 10.1.1.0 0.0.0.255 host 10.2.2.2 eq telnet",
        .explanation = u"Number 110 makes it an extended IP list; it tests sources 10.1.1.0 to 10.1.1.255, destination 10.2.2.2 and TCP port 23 (Telnet), not FTP's ports 20 and 21.",
        .question_type = multi_answer,
        .choices = {{1, u"It is an entry of an extended IP access list"}, {1, u"It matches Telnet traffic from 10.1.1.0/24 to host 10.2.2.2"}, {0, u"It matches FTP traffic from 10.1.1.0/24 to host 10.2.2.2"}, {1, u"It tests for source addresses from 10.1.1.0 to 10.1.1.255"}},
    },
    {   // 78
        .question_text = u"Access list 15 is applied with ip access-group 15 out on Ethernet0. Which routed traffic can leave through Ethernet0?\r\n"
                         u"access-list 15 deny host 192.168.5.7\r\n"
                         u"access-list 15 permit 192.168.5.0 0.0.0.255",
        .explanation = u"Entries are checked from the top: packets from 192.168.5.7 match the deny first, the rest of 192.168.5.0/24 matches the permit.\r\n"
                       u"Everything else falls to the implicit deny at the end of the list, so only 192.168.5.0/24 without that host gets out.",
        .question_type = multi_answer,
        .choices = {{0, u"All traffic from 192.168.5.0/24, including 192.168.5.7"}, {0, u"All traffic except traffic from 192.168.5.7"}, {1, u"All traffic from 192.168.5.0/24 except traffic from 192.168.5.7"}, {0, u"Only traffic from 192.168.5.7"}, {0, u"No traffic at all"}, {0, u"Only traffic destined to 192.168.5.0/24"}},
    },
    {   // 79
        .question_text = u"Which three statements about this standard access list entry are true? (Choose three.)\r\n"
                         u"access-list 30 permit 172.16.0.0 0.0.255.255",
        .explanation = u"A standard IP list (1 to 99) tests only the source address of a packet.\r\n"
                       u"In the wildcard 0.0.255.255 the 0 bits must match, so any source beginning 172.16 is permitted.\r\n"
                       u"A source such as 172.17.1.1 matches no entry and is dropped by the implicit deny at the end.",
        .question_type = multi_answer,
        .choices = {{1, u"It permits packets whose source address begins with 172.16"}, {0, u"It tests the destination address of each packet"}, {1, u"A 0 bit in the wildcard mask means the address bit must match"}, {1, u"If it is the only entry, packets from 172.17.1.1 are denied"}},
    },
    {   // 80
        .question_text = u"Which statement describes the effect of this configuration?\r\n"
                         u"interface Serial0\r\n"
                         u" ip access-group 101 in\r\n"
                         u"access-list 101 deny icmp any any echo\r\n"
                         u"access-list 101 permit ip any any",
        .explanation = u"The list is applied inbound on Serial0: ICMP echo requests arriving there are denied, and permit ip any any lets all other arriving IP traffic through.",
        .question_type = multi_answer,
        .choices = {{0, u"Echo requests leaving through Serial0 are dropped; all other traffic passes"}, {1, u"Echo requests arriving on Serial0 are dropped; all other IP traffic arriving there passes"}, {0, u"All traffic arriving on Serial0 is dropped by the implicit deny"}},
    },
    {   // 81
        .question_text = u"Type the interface command that applies IP access list 150 to packets arriving on the interface.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ip access-group 150 in"}},
    },
    {   // 82
        .question_text = u"Which four port keywords can follow eq in an extended IP access list entry for protocol tcp? (Choose four.)",
        .explanation = u"www (80), telnet (23), smtp (25) and ftp (21) are TCP port keywords.\r\n"
                       u"tftp (69) and snmp (161) are UDP services, so they are offered only after protocol udp.",
        .question_type = multi_answer,
        .choices = {{1, u"www"}, {0, u"tftp"}, {1, u"telnet"}, {0, u"snmp"}, {1, u"smtp"}, {1, u"ftp"}},
    },
    {   // 83
        .question_text = u"Type the global configuration command that adds to standard access list 10 an entry permitting only host 192.168.1.5, using the host keyword.",
        .explanation = u"The keyword host stands for the wildcard 0.0.0.0, so host 192.168.1.5 matches that one address.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"access-list 10 permit host 192.168.1.5"}},
    },
    {   // 84
        .question_text = u"Which wildcard mask, used with 10.1.1.4, matches exactly the addresses 10.1.1.4 to 10.1.1.7?",
        .question_type = multi_answer,
        .choices = {{0, u"0.0.0.0"}, {0, u"0.0.0.255"}, {1, u"0.0.0.3"}, {0, u"0.0.0.7"}, {0, u"0.0.15.255"}, {0, u"255.255.255.255"}},
    },
    {   // 85
        .question_text = u"Which wildcard mask, used with 172.16.16.0, matches every address from 172.16.16.0 to 172.16.31.255?",
        .explanation = u"That range is 172.16.16.0/20; its last 12 bits may vary, so the wildcard is the inverse of 255.255.240.0.\r\n"
                       u"255.255.255.255 minus 255.255.240.0 gives 0.0.15.255.",
        .question_type = multi_answer,
        .choices = {{0, u"0.0.0.0"}, {0, u"0.0.0.255"}, {0, u"0.0.0.3"}, {0, u"0.0.0.7"}, {1, u"0.0.15.255"}, {0, u"255.255.255.255"}},
    },
    {   // 86
        .question_text = u"Which two wildcard masks do the access list keywords host and any stand for? (Choose two.)",
        .explanation = u"host A.B.C.D means A.B.C.D 0.0.0.0 (every bit must match) and any means 0.0.0.0 255.255.255.255 (no bit is checked).",
        .question_type = multi_answer,
        .choices = {{1, u"0.0.0.0"}, {0, u"0.0.0.255"}, {0, u"0.0.0.3"}, {0, u"0.0.0.7"}, {0, u"0.0.15.255"}, {1, u"255.255.255.255"}},
    },
    {   // 87
        .question_text = u"Which wildcard mask, used with 192.168.3.8, matches exactly the addresses 192.168.3.8 to 192.168.3.15?",
        .explanation = u"Eight addresses starting at a multiple of 8 differ only in their last three bits, so the wildcard is 0.0.0.7.",
        .question_type = multi_answer,
        .choices = {{0, u"0.0.0.0"}, {0, u"0.0.0.255"}, {0, u"0.0.0.3"}, {1, u"0.0.0.7"}, {0, u"0.0.15.255"}, {0, u"255.255.255.255"}},
    },
    {   // 88
        .question_text = u"Type the global configuration command that adds to extended access list 101 an entry permitting all IP traffic, using the keyword any for both source and destination.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"access-list 101 permit ip any any"}},
    },
    {   // 89
        .question_text = u"Router R1 holds the configuration below. Ethernet0 connects the user LAN 10.1.1.0/24, whose hosts are called LAN hosts; the other interfaces lead to the rest of the network, and R1 has no other access list. Which five statements are true? (Choose five.)\r\n"
                         u"interface Ethernet0\r\n"
                         u" ip address 10.1.1.1 255.255.255.0\r\n"
                         u" ip access-group 110 in\r\n"
                         u"access-list 110 permit tcp 10.1.1.0 0.0.0.255 any eq www\r\n"
                         u"access-list 110 permit udp 10.1.1.0 0.0.0.255 any eq domain",
        .explanation = u"Only web traffic (TCP port 80) and DNS over UDP port 53 from 10.1.1.0/24 match a permit; pings, Telnet and all else arriving on Ethernet0 hit the implicit deny.\r\n"
                       u"An inbound list on Ethernet0 checks only packets entering there, so replies coming in on other interfaces and going out to the LAN are not filtered by it.",
        .question_type = multi_answer,
        .choices = {{1, u"The list filters packets as they arrive on Ethernet0"}, {1, u"LAN hosts can reach web servers on TCP port 80"}, {0, u"Replies sent from other networks to the LAN hosts are blocked by this list"}, {1, u"LAN hosts can send DNS queries over UDP port 53"}, {1, u"Pings from LAN hosts that reach Ethernet0 are dropped"}, {1, u"Telnet sessions from LAN hosts that reach Ethernet0 are dropped"}},
    },
    {   // 90
        .question_text = u"Where should an extended IP access list that denies certain traffic normally be placed?",
        .explanation = u"An extended list tests source, destination and ports, so placing it close to the source drops unwanted traffic before it crosses the network.",
        .question_type = multi_answer,
        .choices = {{0, u"As close as possible to the destination of the traffic"}, {0, u"On every interface of every router in the path"}, {0, u"Only on the router's serial interfaces, outbound"}, {1, u"As close as possible to the source of the traffic"}, {0, u"On the router's console line"}, {0, u"Only on the router that has a default route"}},
    },
    {   // 91
        .question_text = u"Which two statements about the implicit entry at the end of every IP access list are true? (Choose two.)",
        .explanation = u"Every IP list, standard or extended, ends with an unwritten deny of all traffic that no entry matched; being unwritten, it is not shown by show access-lists.",
        .question_type = multi_answer,
        .choices = {{0, u"It permits all traffic that no earlier entry matched"}, {1, u"It denies all traffic that no earlier entry matched"}, {0, u"It applies only to extended access lists"}, {1, u"It is not listed in the output of show access-lists"}},
    },
    {   // 92
        .question_text = u"Standard access list 5 permits only host 10.1.1.5. Which excerpt makes the router accept Telnet sessions to its own virtual terminal lines from that host alone?",
        .explanation = u"access-class under line vty filters incoming Telnet sessions to the router itself; ip access-group is an interface command, and access-class out restricts outgoing sessions.",
        .question_type = multi_answer,
        .choices = {{0, u"line vty 0 4\r\n ip access-group 5 in"}, {1, u"line vty 0 4\r\n access-class 5 in"}, {0, u"interface Ethernet0\r\n access-class 5 in"}, {0, u"line vty 0 4\r\n access-class 5 out"}},
    },
    {   // 93
        .question_text = u"Which command shows every access list on the router together with the number of packets each entry has matched?",
        .explanation = u"show access-lists lists all access lists with a match count after each entry.\r\n"
                       u"show ip interface only names the lists applied to each interface, and neither show ip route nor show ip protocols shows lists.",
        .question_type = multi_answer,
        .choices = {{0, u"show ip interface"}, {0, u"show ip route"}, {0, u"show ip protocols"}, {1, u"show access-lists"}},
    },
    {   // 94
        .question_text = u"In which order does the router test the entries of an IP access list against a packet?",
        .explanation = u"Entries are tested in the order they were entered, from the top; the first match permits or denies and the rest are skipped.",
        .question_type = multi_answer,
        .choices = {{0, u"Most specific entry first, whatever its position"}, {1, u"From the top down; the first matching entry decides"}, {0, u"All entries are tested; the last matching entry decides"}},
    },
    {   // 95
        .question_text = u"Type the global configuration command that adds to extended access list 130 an entry denying Telnet from any source to host 10.9.9.9 (use the keywords any, host and telnet).",
        .explanation = u"Telnet runs over TCP, so the protocol field is tcp.\r\n"
                       u"any is the source, host 10.9.9.9 the destination, and eq telnet matches destination port 23.\r\n"
                       u"Numbers 100 to 199 are extended IP lists, so 130 accepts protocol and port fields.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"access-list 130 deny tcp any host 10.9.9.9 eq telnet"}},
    },
    {   // 96
        .question_text = u"Where should a standard IP access list that blocks one host's traffic normally be placed?",
        .explanation = u"A standard list tests only the source address, so near the source it would block that source from every destination; it belongs close to the destination.",
        .question_type = multi_answer,
        .choices = {{0, u"As close as possible to the source"}, {0, u"On the router's loopback interface"}, {1, u"As close as possible to the destination"}, {0, u"On every interface of every router"}},
    },
    {   // 97
        .question_text = u"Why is a standard IP access list placed close to the destination rather than close to the source?",
        .explanation = u"A standard list tests only the source address, so near the source it would block that source from every destination; it belongs close to the destination.",
        .question_type = multi_answer,
        .choices = {{0, u"Because it tests only the destination address"}, {0, u"Because it cannot be applied inbound"}, {0, u"Because routers process it faster there"}, {1, u"Because it tests only the source address"}},
    },
    {   // 98
        .question_text = u"Which range of access list numbers does the router use for extended IP access lists?",
        .question_type = multi_answer,
        .choices = {{0, u"1 to 99"}, {1, u"100 to 199"}, {0, u"800 to 899"}, {0, u"900 to 999"}},
    },
    {   // 99
        .question_text = u"Which packets are not checked by an IP access list applied outbound with ip access-group on an interface?",
        .explanation = u"An outbound list checks packets routed through the interface; packets originated by the router\u2019s own processes, such as its pings, bypass it.",
        .question_type = multi_answer,
        .choices = {{0, u"Packets routed in from another interface"}, {0, u"Packets from hosts on another LAN"}, {1, u"Packets the router itself originates"}, {0, u"TCP segments that have the ACK bit set"}},
    },
    {   // 100
        .question_text = u"Which two statements about the established keyword in an extended IP access list entry are true? (Choose two.)",
        .question_type = multi_answer,
        .choices = {{0, u"It matches UDP replies to queries sent from inside"}, {1, u"It can be used only with protocol tcp"}, {0, u"It keeps a table of open sessions and permits only their return traffic"}, {1, u"It matches only TCP segments whose ACK or RST bit is set, so the opening SYN segment of a new connection from outside does not match it"}},
    },
    {   // 101
        .question_text = u"Which statement about this configuration is true?\r\n"
                         u"interface Ethernet0\r\n"
                         u" ipx network 4a encapsulation sap\r\n"
                         u" ipx network 4b encapsulation arpa secondary",
        .question_type = multi_answer,
        .choices = {{0, u"Network 4a uses Ethernet_SNAP frames and network 4b uses Ethernet_II frames"}, {0, u"The second command replaces network 4a with network 4b"}, {1, u"Network 4a uses Ethernet_802.2 frames and network 4b uses Ethernet_II frames"}, {0, u"Both networks use Ethernet_802.2 frames"}, {0, u"Network 4a uses Ethernet_802.3 frames and network 4b uses Ethernet_802.2 frames"}},
    },
    {   // 102
        .question_text = u"Type the global configuration command that enables IPX routing and lets the router take its IPX node address from a MAC address (no node argument).",
        .explanation = u"ipx routing must be entered before any ipx network command is accepted on an interface.\r\n"
                       u"Without a node argument the router uses the MAC address of its first LAN interface as its IPX node address.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ipx routing"}},
    },
    {   // 103
        .question_text = u"Which three statements about the IPX Service Advertising Protocol (SAP) are true? (Choose three.)",
        .explanation = u"Servers and routers broadcast their SAP tables every 60 seconds by default, with at most seven services in one packet.\r\n"
                       u"Clients find a server by broadcasting a Get Nearest Server request.\r\n"
                       u"SAP uses socket 0x452 (0x453 is IPX RIP), and routers do not pass SAP broadcasts on: they learn them and advertise their own tables.",
        .question_type = multi_answer,
        .choices = {{1, u"SAP updates are broadcast every 60 seconds by default"}, {0, u"SAP uses IPX socket 0x453"}, {1, u"One SAP update packet carries at most seven services"}, {0, u"Routers forward SAP broadcasts from one network to the next unchanged"}, {1, u"Clients send Get Nearest Server requests to find a server"}},
    },
    {   // 104
        .question_text = u"Which ipx network encapsulation keyword selects the Ethernet_II frame type on an Ethernet interface?",
        .explanation = u"arpa is Ethernet_II (with an EtherType field), sap is Ethernet_802.2 and snap is Ethernet_SNAP.\r\n"
                       u"hdlc is an IPX encapsulation for serial interfaces, not an Ethernet frame type.",
        .question_type = multi_answer,
        .choices = {{1, u"arpa"}, {0, u"sap"}, {0, u"snap"}, {0, u"hdlc"}},
    },
    {   // 105
        .question_text = u"Which ipx network encapsulation keyword selects the Ethernet_SNAP frame type on an Ethernet interface?",
        .question_type = multi_answer,
        .choices = {{0, u"arpa"}, {0, u"sap"}, {1, u"snap"}, {0, u"hdlc"}},
    },
    {   // 106
        .question_text = u"Which frame type does the router use for IPX on an Ethernet interface when no encapsulation keyword is given?",
        .question_type = multi_answer,
        .choices = {{0, u"Ethernet_II"}, {1, u"Ethernet_802.3"}, {0, u"Ethernet_802.2"}, {0, u"Ethernet_SNAP"}},
    },
    {   // 107
        .question_text = u"Which of these is a valid IPX address?",
        .explanation = u"An IPX address is a 32-bit network number followed by a 48-bit node number.\r\n"
                       u"The network takes up to eight hexadecimal digits and the node is written as three groups of four hexadecimal digits.\r\n"
                       u"g is not a hexadecimal digit, nine digits exceed 32 bits, and two node groups give only 32 bits.",
        .question_type = multi_answer,
        .choices = {{0, u"4a1c2b3d.0200.1111"}, {0, u"4a1c2b3d5.0200.1111.2222"}, {0, u"4g1c.0200.1111.2222"}, {1, u"4a1c2b3d.0200.1111.2222"}},
    },
    {   // 108
        .question_text = u"Which command lists the server table that the router has built from the SAP updates it received?",
        .explanation = u"show ipx servers lists the server table built from SAP; show ipx route shows networks learned by RIP or another IPX routing protocol.",
        .question_type = multi_answer,
        .choices = {{0, u"show ipx route"}, {0, u"show ipx interface"}, {0, u"show ipx traffic"}, {1, u"show ipx servers"}, {0, u"show ipx nlsp neighbors"}},
    },
    {   // 109
        .question_text = u"Which three routing protocols can the router use to route IPX? (Choose three.)",
        .explanation = u"IPX is routed with IPX RIP, NLSP or EIGRP; OSPF and IGRP route only IP, and RTMP is AppleTalk's routing protocol.",
        .question_type = multi_answer,
        .choices = {{0, u"OSPF"}, {1, u"IPX RIP"}, {0, u"IGRP"}, {1, u"NLSP"}, {0, u"RTMP"}, {1, u"EIGRP"}},
    },
    {   // 110
        .question_text = u"Which two tables does a router running IPX RIP and SAP maintain? (Choose two.)",
        .explanation = u"IPX RIP builds the routing table of IPX networks with their tick and hop counts.\r\n"
                       u"SAP builds a separate server table of services, their type, address and hop distance.\r\n"
                       u"show ipx route shows the first table and show ipx servers the second.",
        .question_type = multi_answer,
        .choices = {{1, u"A routing table of IPX networks learned through RIP"}, {1, u"A server table of services learned through SAP"}},
    },
    {   // 111
        .question_text = u"Which two statements about NLSP are true? (Choose two.)",
        .explanation = u"NLSP is a link-state protocol for IPX modelled on IS-IS; it sends updates when something changes and refreshes them only every two hours.\r\n"
                       u"Ticks and hops are the metrics of distance-vector IPX RIP, and NLSP carries no IP routes.",
        .question_type = multi_answer,
        .choices = {{0, u"It is a distance-vector protocol that uses ticks and hops"}, {1, u"It is a link-state routing protocol for IPX"}, {0, u"It routes IP and IPX with one process"}, {1, u"It sends updates when changes occur instead of its full table every 60 seconds"}},
    },
    {   // 112
        .question_text = u"Which metric does IPX RIP use to choose between two routes to the same network?",
        .explanation = u"IPX RIP prefers the route with the fewest ticks (delay, 1/18 second each); hop count only breaks ties between routes with equal ticks.\r\n"
                       u"Bandwidth and delay form the IGRP and EIGRP metric, and cost is OSPF's and NLSP's metric.",
        .question_type = multi_answer,
        .choices = {{0, u"Hop count, with ticks as a tie-breaker"}, {0, u"Bandwidth and delay"}, {0, u"A cost derived from bandwidth"}, {1, u"Ticks, with hop count as a tie-breaker"}, {0, u"The number of servers reachable"}},
    },
    {   // 113
        .question_text = u"Which range of access list numbers does the router use for extended IPX access lists?",
        .explanation = u"Extended IPX lists, which can also test protocol and socket numbers, are 900 to 999; 800 to 899 are standard IPX lists, 1000 to 1099 SAP filters and 600 to 699 AppleTalk lists.",
        .question_type = multi_answer,
        .choices = {{0, u"800 to 899"}, {0, u"1000 to 1099"}, {1, u"900 to 999"}, {0, u"600 to 699"}},
    },
    {   // 114
        .question_text = u"Type the interface command that assigns IPX network 2c (typed as 2c) to the interface without an encapsulation keyword.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ipx network 2c"}},
    },
    {   // 115
        .question_text = u"Type the interface command that applies SAP filter list 1020 to the SAP updates the router sends out of the interface.",
        .explanation = u"ipx output-sap-filter checks the services against a list numbered 1000 to 1099 before the router advertises them out of that interface.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ipx output-sap-filter 1020"}},
    },
    {   // 116
        .question_text = u"Type the global configuration command that starts an NLSP routing process whose tag is site1.",
        .explanation = u"ipx router nlsp followed by the tag starts the NLSP process; interfaces then join it with ipx nlsp site1 enable.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ipx router nlsp site1"}},
    },
    {   // 117
        .question_text = u"Type the interface command that filters the IPX packets arriving on the interface with access list 850.",
        .explanation = u"ipx access-group applies an IPX access list; without a direction it filters outgoing packets, so in is needed here.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ipx access-group 850 in"}},
    },
    {   // 118
        .question_text = u"Which IPX protocol advertises services such as file and print servers?",
        .question_type = multi_answer,
        .choices = {{0, u"IPX RIP"}, {1, u"SAP"}, {0, u"NLSP"}},
    },
    {   // 119
        .question_text = u"Which of these IPX protocols is a link-state routing protocol?",
        .question_type = multi_answer,
        .choices = {{0, u"IPX RIP"}, {0, u"SAP"}, {1, u"NLSP"}},
    },
    {   // 120
        .question_text = u"Which of these IPX protocols uses ticks as its primary metric?",
        .question_type = multi_answer,
        .choices = {{1, u"IPX RIP"}, {0, u"SAP"}, {0, u"NLSP"}},
    },
};

} // namespace examdeck
// clang-format on
