// Written by scripts/update-emmet from emmet 2.4.11; run it again rather than editing.
#include "emmetnames.h"

namespace tarnel {

std::string_view EmmetMarkupSnippets()
{
    return " ! !!! a a:blank a:link a:mail a:tel abbr acr acronym adr area area:c area:d"
           " area:p area:r art audio base basefont bdo bdo:l bdo:r bq br btn btn:b btn:d"
           " btn:r btn:s button:b button:button button:d button:disabled button:r"
           " button:reset button:s button:submit c cap cc:ie cc:noie cmd col colg command"
           " data datal det dlg doc emb embed fieldset:d fieldset:disabled fig figc form"
           " form:get form:post frame fset fset:d fst fst:d ftr hdr hr html:5 html:xml ifr"
           " iframe img img:s img:sizes img:srcset img:z inp input input:b input:btn"
           " input:button input:c input:checkbox input:color input:date input:datetime"
           " input:datetime-local input:email input:f input:file input:h input:hidden input:i"
           " input:image input:month input:number input:p input:password input:r input:radio"
           " input:range input:reset input:s input:search input:submit input:t input:tel"
           " input:text input:time input:url input:week isindex keygen kg label leg link"
           " link:atom link:css link:favicon link:im link:import link:manifest link:mf"
           " link:print link:rss link:touch map marquee menu:c menu:context menu:t"
           " menu:toolbar meta meta:compat meta:desc meta:edge meta:kw meta:redirect"
           " meta:refresh meta:utf meta:vp meter mn obj object opt optg option out param pic"
           " picture prog ri:a ri:art ri:d ri:dpr ri:t ri:type ri:v ri:viewport script"
           " script:module script:src sect select select:d select:disabled source"
           " source:media source:media:sizes source:media:type source:sizes source:sizes:type"
           " source:src source:srcset source:type src src:m src:mt src:mz src:s src:sc src:t"
           " src:z src:zt str style sum tarea tarea:c tarea:cr tarea:r tem textarea"
           " textarea:cols textarea:cols:rows textarea:rows time video ";
}

std::string_view EmmetStylesheetSnippets()
{
    return " @f @ff @i @import @kf @m @media ac ai anim animdel animdir animdur animfm animic"
           " animn animps animtf ap as b bbe bbs bd bdb bdbc bdbi bdbk bdbli bdblrs bdbri"
           " bdbrrs bdbs bdbw bdc bdci bdcl bdf bdi bdl bdlc bdlen bdli bdls bdlw bdr bdrc"
           " bdri bdrs bdrst bdrw bds bdsp bdt bdtc bdti bdtli bdtlrs bdtri bdtrrs bdts bdtw"
           " bdw bfv bg bg:n bga bgbk bgc bgcp bgi bgo bgp bgpx bgpy bgr bgsz bie bis bs bxsh"
           " bxsz c cg cl cm cnt coi colm colmc colmf colmg colmr colmrc colmrs colmrw colms"
           " colmw cor cp cps cr cra cur d ec f fd fef fem femp fems ff ffa fft ffv fl fs fsm"
           " fst fsz fsza fv fvs fw fx fxb fxd fxf fxg fxsh fxw g ga gac gaf gar gc gce gcg"
           " gcs gd gg gr gre grg grs gt gta gtc gtr h is jc ji js l lg lh lis lisi lisp list"
           " lts m mah mar maw mb mbe mbs mie mih mir mis miw ml mr mt ol olc olo ols olw op"
           " opa ord ori orp ov ovs ovx ovy p pb pbe pbs pgba pgbb pgbi pie pis pl pos pr pt"
           " q qen qru r rg rsz spbe spbs spie spis t ta tal tbl td te th ti tj to tov tr trf"
           " trfo trfs trs trsde trsdu trsp trstf tsh tt tw us v va w whs whsc wid wido wm"
           " wob wos wow z zom ";
}

std::string_view EmmetStylesheetProperties()
{
    return " align-content align-items align-self animation animation-delay"
           " animation-direction animation-duration animation-fill-mode"
           " animation-iteration-count animation-name animation-play-state"
           " animation-timing-function appearance backface-visibility background"
           " background-attachment background-break background-clip background-color"
           " background-image background-origin background-position background-position-x"
           " background-position-y background-repeat background-size block-size border"
           " border-block-end border-block-start border-bottom border-bottom-color"
           " border-bottom-image border-bottom-left-image border-bottom-left-radius"
           " border-bottom-right-image border-bottom-right-radius border-bottom-style"
           " border-bottom-width border-break border-collapse border-color"
           " border-corner-image border-fit border-image border-inline-end"
           " border-inline-start border-left border-left-color border-left-image"
           " border-left-style border-left-width border-length border-radius border-right"
           " border-right-color border-right-image border-right-style border-right-width"
           " border-spacing border-style border-top border-top-color border-top-image"
           " border-top-left-image border-top-left-radius border-top-right-image"
           " border-top-right-radius border-top-style border-top-width border-width bottom"
           " box-shadow box-sizing caption-side clear clip color column-count column-fill"
           " column-gap column-rule column-rule-color column-rule-style column-rule-width"
           " column-span column-width columns content counter-increment counter-reset cursor"
           " display empty-cells flex flex-basis flex-direction flex-flow flex-grow"
           " flex-shrink flex-wrap float font font-display font-effect font-emphasize"
           " font-emphasize-position font-emphasize-style font-family font-size"
           " font-size-adjust font-smoothing font-stretch font-style font-variant"
           " font-variation-settings font-weight gap grid grid-area grid-auto-columns"
           " grid-auto-flow grid-auto-rows grid-column grid-column-end grid-column-gap"
           " grid-column-start grid-gap grid-row grid-row-end grid-row-gap grid-row-start"
           " grid-template grid-template-areas grid-template-columns grid-template-rows"
           " height inline-size justify-content justify-items justify-self left"
           " letter-spacing line-height list-style list-style-image list-style-position"
           " list-style-type margin margin-block-end margin-block-start margin-bottom"
           " margin-inline-end margin-inline-start margin-left margin-right margin-top"
           " max-height max-resolution max-width min-height min-resolution min-width opacity"
           " order orientation orphans outline outline-color outline-offset outline-style"
           " outline-width overflow overflow-style overflow-x overflow-y padding"
           " padding-block-end padding-block-start padding-bottom padding-inline-end"
           " padding-inline-start padding-left padding-right padding-top page-break-after"
           " page-break-before page-break-inside position quotes resize right row-gap"
           " scroll-padding-block-end scroll-padding-block-start scroll-padding-inline-end"
           " scroll-padding-inline-start table-layout text-align text-align-last"
           " text-decoration text-emphasis text-height text-indent text-justify text-outline"
           " text-overflow text-replace text-shadow text-transform text-wrap top transform"
           " transform-origin transform-style transition transition-delay transition-duration"
           " transition-property transition-timing-function user-select vertical-align"
           " visibility white-space white-space-collapse widows width word-break word-spacing"
           " word-wrap writing-mode z-index zoom ";
}

} // namespace tarnel
